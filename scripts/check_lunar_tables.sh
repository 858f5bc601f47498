#!/usr/bin/env bash
# Computes the lunar tables of the three calendars, and the moments of the
# terms and the Moon's phases, from the Sun and the Moon again and compares
# them with the committed ones: any difference fails, and is shown.
set -euo pipefail
generator=${1:?usage: check_lunar_tables.sh PATH-TO-tessarine-lunar-tables CALENDAR-FOLDER}
folder=${2:?usage: check_lunar_tables.sh PATH-TO-tessarine-lunar-tables CALENDAR-FOLDER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
calendars=(chinese korean vietnamese)
for calendar in "${calendars[@]}"; do
  "$generator" --calendar "$calendar" "$work/$calendar.h" &
done
"$generator" --moments "$work/moments.h" &
for _ in "${calendars[@]}" moments; do wait -n; done
for calendar in "${calendars[@]}"; do
  header=$folder/lunar_tables.h
  [ "$calendar" = chinese ] || header=$folder/lunar_tables_$calendar.h
  diff -u "$header" "$work/$calendar.h"
  echo "$calendar: $header is what the sky gives"
done
diff -u "$folder/sky_moments.h" "$work/moments.h"
echo "moments: $folder/sky_moments.h is what the sky gives"
