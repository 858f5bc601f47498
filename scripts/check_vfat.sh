#!/usr/bin/env bash
# Writes year files onto a real FAT file system, as on a USB stick: a loop
# mounted vfat image. Where the machine cannot mount one (no root, no loop
# device, no vfat in the kernel) the test is skipped with status 77.
set -euo pipefail
cli=${1:?usage: check_vfat.sh PATH-TO-tessarine-cli}
work=$(mktemp -d)
cleanup() { umount "$work/stick" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
mkdir "$work/stick"
truncate -s 16M "$work/fat.img"
if ! { mkfs.vfat "$work/fat.img" && mount -o loop,uid="$(id -u)" "$work/fat.img" "$work/stick"; } >/dev/null 2>&1; then
  echo "cannot mount a vfat image here: skipped"
  exit 77
fi
"$cli" ics 2026 2027 --output "$work/stick"
"$cli" ics 2026 --output "$work/stick"
ls -a "$work/stick"
[ "$(find "$work/stick" -name 'Tessarine_*.ics' | wc -l)" -eq 3 ]
[ "$(find "$work/stick" -name '.*' ! -name '.' | wc -l)" -eq 0 ]  # no temporary file left
