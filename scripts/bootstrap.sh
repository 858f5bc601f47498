#!/usr/bin/env bash
# Installs, only when missing, every Debian package that building, running and
# testing Tessarine needs. Safe to run again and again.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev          # the window
  qt6-translations-l10n           # Qt's own dialogs in Chinese and Korean, built into the window
  qt6-tools-dev qt6-l10n-tools    # Linguist: lupdate and lrelease for the window's translations
  dpkg-dev desktop-file-utils appstream lintian  # the Debian package and its checks
  libgtest-dev libgmock-dev       # unit tests
  libbenchmark-dev                # benchmarks
  libical-dev python3-icalendar   # tests read every written file with two independent parsers
  python3-ephem                   # the moments of the sky checked by an independent computation
  systemd                         # systemd-analyze verifies the feed's timer units
  libcli11-dev libfmt-dev         # the command line; text formatting
  nlohmann-json3-dev              # tessarine-cli day --json
  libcsv-dev                      # the anniversary list
  liberfa-dev                     # the IAU astronomy behind the lunar-table generator
  calcurse khal                   # real calendar clients import the written files
  dosfstools exfatprogs           # FAT and exFAT images for the tests of writing onto a USB stick
  fusefat exfat-fuse              # those images mounted in user space, where the kernel has no vfat
  clang libclang-rt-14-dev        # fuzzing and sanitizers
  fonts-noto-cjk                  # a Chinese font for the window's captions
  xvfb xauth imagemagick xdotool x11-utils  # screenshots of the window, and its test on X11
  hyperfine                       # the whole-process speed comparison in the README
  strace                          # system-call counts in the README; slow writes for a screenshot
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
  sudo=(sudo)  # asks for the password at the terminal when it needs one
else
  echo "bootstrap: these packages are missing: ${missing[*]}" >&2
  echo "bootstrap: installing them needs root; run as root or with sudo, or install them by hand." >&2
  exit 1
fi

echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
