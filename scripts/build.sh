#!/usr/bin/env bash
# Configures (once) and builds a build directory: scripts/build.sh [DIR] [extra cmake options...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${1:-$root/build}"
# Paths relative to the checkout, so that ccache hits across clones of the repository.
export CCACHE_BASEDIR="$root"
shift || true
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja "$@"
fi
jobs=$(nproc)
cmake --build "$dir" -j "$jobs"
