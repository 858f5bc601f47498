#!/usr/bin/env bash
# Starts the window on a virtual display and saves a picture of it
# (default: docs/screenshot.png). Needs a build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
display=:${SCREENSHOT_DISPLAY:-97}

Xvfb "$display" -screen 0 1000x480x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display ${TESSARINE_APP:-build/app/tessarine} &
app=$!
sleep "${SCREENSHOT_WAIT:-3}"
# The window stands centred on an otherwise black screen: cut it out.
DISPLAY=$display import -window root -trim +repage "$out"
echo "saved $out"
