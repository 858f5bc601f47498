#!/usr/bin/env bash
# Writes calendar files and a holiday list onto real FAT and exFAT file
# systems, mounted through FUSE as a desktop mounts a USB stick where the
# kernel has no driver: a vfat image under fusefat, an exFAT image under
# exfat-fuse. Neither takes the unnamed files, links or no-replace renames
# that other drives do. Skipped (status 77) only where /dev/fuse is missing.
set -euo pipefail
cli=${1:?usage: check_fuse_drives.sh PATH-TO-tessarine-cli}
[ -c /dev/fuse ] || { echo "no /dev/fuse here: skipped"; exit 77; }
work=$(mktemp -d)
loop=
cleanup() {
  for dir in "$work"/vfat "$work"/exfat; do fusermount -u "$dir" 2>/dev/null || umount "$dir" 2>/dev/null || true; done
  [ -n "$loop" ] && losetup -d "$loop" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
notice=$work/notice.txt
printf '国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假安排通知如下。\n一、元旦：1月1日放假。\n' >"$notice"

drive() {  # FOLDER: every way of writing, then what is left there
  local stick=$1
  touch "$stick/.Tessarine_2026.ics.tessarine-2147483646-abcdef"  # a killed run's temporary
  "$cli" ics 2026 2027 --output "$stick" >/dev/null
  "$cli" ics 2026 --output "$stick" >/dev/null                    # a taken name: the next one
  "$cli" ics 2026 --fixed-name --output "$stick" >/dev/null
  "$cli" ics 2026 --fixed-name --output "$stick" >/dev/null       # replaced in one step
  XDG_CONFIG_HOME=$stick "$cli" holidays --import "$notice" >/dev/null 2>&1
  XDG_CONFIG_HOME=$stick "$cli" holidays --import "$notice" >/dev/null 2>&1
  ls -a "$stick" "$stick/Tessarine"
  [ "$(find "$stick" -maxdepth 1 -name 'Tessarine_*.ics' | wc -l)" -eq 4 ]
  [ "$(grep -c '^BEGIN:VEVENT' "$stick/Tessarine_2026.ics")" -eq 365 ]
  grep -q '^"2027","2027-01-01","休","元旦"' "$stick/Tessarine/holidays.csv"
  # Nothing hidden is left but the list's lock file.
  [ "$(find "$stick" -name '.*' ! -name '.' ! -name '.holidays.csv.lock' | wc -l)" -eq 0 ]
}

mkdir "$work/vfat" "$work/exfat"
truncate -s 16M "$work/vfat.img" "$work/exfat.img"
mkfs.vfat "$work/vfat.img" >/dev/null
fusefat -o rw+ "$work/vfat.img" "$work/vfat" >/dev/null
drive "$work/vfat"

mkfs.exfat "$work/exfat.img" >/dev/null
# As root, exfat-fuse asks FUSE for a block device: a loop device then,
# where the machine has one.
if ! mount.exfat-fuse "$work/exfat.img" "$work/exfat" >/dev/null 2>&1; then
  if ! loop=$(losetup -f --show "$work/exfat.img" 2>/dev/null); then
    echo "FAT through FUSE: every file written; exFAT not tried: exfat-fuse needs a loop device here, and there is none"
    exit 0
  fi
  mount.exfat-fuse "$loop" "$work/exfat" >/dev/null
fi
drive "$work/exfat"
echo "FAT and exFAT through FUSE: every file written, nothing left behind"
