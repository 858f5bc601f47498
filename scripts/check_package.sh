#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR and checks it as a user would meet
# it: unpacked, the command line writes a year; the package, its changelog,
# the program and its file carry one version; the desktop entry and the
# AppStream metadata validate; lintian finds no error.
set -euo pipefail
build=${1:?usage: check_package.sh BUILD_DIR}
cd "$build"
rm -f tessarine_*.deb
cpack -G DEB >/dev/null
deb=$(ls tessarine_*_amd64.deb)
echo "package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/unpacked"
mkdir "$root/out"
"$root/unpacked/usr/bin/tessarine-cli" ics 2026 --output "$root/out"
[ "$(ls "$root/out" | wc -l)" -eq 1 ] || { echo "the unpacked tessarine-cli wrote no file" >&2; exit 1; }

# One version: the package's name, its changelog, the program and the files
# it writes all carry the one the program names.
version=$("$root/unpacked/usr/bin/tessarine-cli" --version | sed -n 's/^tessarine-cli //p')
[ "$deb" = "tessarine_${version}_amd64.deb" ] || { echo "$deb is not named for version $version" >&2; exit 1; }
zcat "$root/unpacked/usr/share/doc/tessarine/changelog.gz" | head -1 | grep -qF "tessarine ($version)" ||
  { echo "the changelog's newest entry is not version $version" >&2; exit 1; }
grep -qxF "PRODID:Tessarine v$version//EN"$'\r' "$root"/out/*.ics ||
  { echo "the written file's PRODID is not version $version" >&2; exit 1; }

desktop-file-validate "$root"/unpacked/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/unpacked/usr/share/metainfo/*.metainfo.xml
report=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -n "$report" ] && echo "$report"
if grep -q '^E:' <<<"$report"; then
  echo "lintian reports errors" >&2
  exit 1
fi
echo "package checks passed"
