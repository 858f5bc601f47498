#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# build/tessarine_VERSION_amd64.deb, VERSION being the project's
# (CMakeLists.txt), and prints its path. Install it with
#   sudo apt install ./build/tessarine_*.deb
# A package of an earlier version is removed first, so that the pattern
# names this one alone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
rm -f tessarine_*_amd64.deb
cpack -G DEB >/dev/null
echo "build/$(ls tessarine_*_amd64.deb)"
