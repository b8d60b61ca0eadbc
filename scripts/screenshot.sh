#!/usr/bin/env bash
# Runs the built program on a private Xvfb display and saves a screenshot of the screen:
# scripts/screenshot.sh OUTPUT.png [program arguments...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"; shift
program="$root/build/program/wertanphp"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
"$program" "$@" >/dev/null 2>&1 &
app=$!
sleep "${WERTAN_SCREENSHOT_DELAY:-6}"
import -window root "$out"
