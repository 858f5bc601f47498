#!/usr/bin/env bash
# Computes the lunar tables from the Sun and the Moon again and compares them
# with the ones the calendar compiles in: any difference fails, and is shown.
set -euo pipefail
generator=${1:?usage: check_lunar_tables.sh PATH-TO-tessarine-lunar-tables COMMITTED-HEADER}
committed=${2:?usage: check_lunar_tables.sh PATH-TO-tessarine-lunar-tables COMMITTED-HEADER}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$generator" "$out"
diff -u "$committed" "$out"
