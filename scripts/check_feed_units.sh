#!/usr/bin/env bash
# Verifies the systemd user units that keep the rolling feed current with
# systemd-analyze, against the built tessarine-cli (the installed one may not
# be there). The man page is checked by the package test instead.
set -euo pipefail
cli=${1:?usage: check_feed_units.sh PATH-TO-tessarine-cli}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/packaging/tessarine-feed.service "$root"/packaging/tessarine-feed.timer "$work"/
sed -i "s#/usr/bin/tessarine-cli#$(realpath "$cli")#" "$work/tessarine-feed.service"
mkdir -p "$work/run"
cd "$work"
XDG_RUNTIME_DIR="$work/run" systemd-analyze --user verify --man=no tessarine-feed.service tessarine-feed.timer
echo "tessarine-feed.service and .timer verify"
