#!/usr/bin/env bash
# Installs what is missing, builds, and starts Wertan PHP. Without a display the program runs under
# Xvfb and a screenshot of the main window is saved.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DWERTAN_BENCH=OFF
program="$root/build/program/wertanphp"
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
fi
shot="$root/build/screenshot-main-window.png"
echo "No display: running Wertan PHP under Xvfb."
"$root/scripts/screenshot.sh" "$shot" "$@"
echo "Screenshot of the main window: $shot"
