#!/usr/bin/env bash
# Installs what is missing, builds, and opens the Tessarine window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the window on; for headless use run build/cli/tessarine-cli --help." >&2
  exit 1
fi
exec build/app/tessarine "$@"
