#!/usr/bin/env bash
# Installs what is missing, builds, and runs every functional test headless
# (Qt's offscreen platform): unit, golden-file, process, window, FUSE drive,
# calendar-client and package tests. In a few minutes on two cores.
#
#   bash scripts/test.sh          every functional test
#   bash scripts/test.sh --full   and the suite again under AddressSanitizer
#                                 and UBSan, and bounded fuzzing (what CI runs)
set -euo pipefail
cd "$(dirname "$0")/.."
full=false
case "${1:-}" in
  --full) full=true ;;
  "") ;;
  *) echo "usage: bash scripts/test.sh [--full]" >&2; exit 2 ;;
esac
# Every header compiled on its own is a check of the code's shape: --full.
bash scripts/build.sh -DTESSARINE_HEADER_CHECK="$($full && echo ON || echo OFF)"
export QT_QPA_PLATFORM=offscreen
if $full; then
  ctest --test-dir build --output-on-failure -j"$(nproc)"
else
  ctest --test-dir build --output-on-failure -j"$(nproc)" -LE full
fi
