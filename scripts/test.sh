#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   an address+undefined sanitizer build in build-asan/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
dir="$root/build"
opts=()
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-asan"
  opts=(-DWERTAN_SANITIZE=ON -DWERTAN_BENCH=OFF)
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
fi
"$root/scripts/build.sh" "$dir" "${opts[@]}"
export QT_QPA_PLATFORM=offscreen
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
cd "$dir"
ctest --output-on-failure -j "$(nproc)" --timeout 600
