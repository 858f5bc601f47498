#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# build/tessarine_VERSION_amd64.deb. Install it with
#   sudo apt install ./build/tessarine_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
cpack -G DEB
