#!/usr/bin/env bash
# Imports a year file in the default template (long, folded titles), year
# files in 繁體 and of the Korean and Vietnamese calendars, the Moon's phases
# and the solar terms of a year, a rolling feed, an
# anniversary file with a long name and reminders, and a holiday file into
# calcurse, a real calendar client, and counts what it took in: every event,
# nothing skipped.
set -euo pipefail
cli=${1:?usage: check_calcurse.sh PATH-TO-tessarine-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config  # the built-in holidays, not the user's list
mkdir "$work/out" "$work/year" "$work/anniversaries" "$work/holidays"

"$cli" ics 2024 --template default --output "$work/out" >/dev/null
long=$(printf '很长的名字%.0s' {1..12})
printf '妈妈生日,三月初八,1960\n%s,腊月廿三\n' "$long" >"$work/list.csv"
"$cli" anniversaries "$work/list.csv" 2026 2027 --remind 3 --output "$work/out" >/dev/null
"$cli" holidays 2025 2026 --output "$work/out" >/dev/null
mkdir "$work/out-hant" "$work/hant"
"$cli" ics 2026 --language zh-Hant --output "$work/out-hant" >/dev/null
mkdir "$work/korean" "$work/vietnamese" "$work/moon" "$work/terms"
"$cli" moon 2026 --output "$work/out" >/dev/null
mkdir "$work/rolling"
"$cli" ics --rolling 1 --output "$work/out" >/dev/null
"$cli" terms 2026 --output "$work/out" >/dev/null
"$cli" ics 2027 --calendar korean --output "$work/out" >/dev/null
"$cli" ics 2030 --calendar vietnamese --output "$work/out" >/dev/null

import() {  # FOLDER FILE EXPECTED-EVENTS
  local report
  report=$(calcurse -D "$1" -i "$2")
  echo "$report"
  grep -q "0 apps / $3 events / 0 todos / 0 skipped" <<<"$report"
  [ "$(wc -l <"$1/apts")" -eq "$3" ]
}
import "$work/year" "$work"/out/Tessarine_2024_*.ics 366
import "$work/anniversaries" "$work"/out/Tessarine_Anniversaries_*.ics 4
grep -q "$long" "$work/anniversaries/apts"
import "$work/holidays" "$work"/out/Tessarine_Holidays_*.ics 72
import "$work/hant" "$work"/out-hant/Tessarine_2026_*.ics 365
grep -q '臘月' "$work/hant/apts"
import "$work/korean" "$work"/out/Tessarine_Korean_2027_*.ics 365
grep -q '^02/07/2027 \[1\] 설날$' "$work/korean/apts"
import "$work/vietnamese" "$work"/out/Tessarine_Vietnamese_2030_*.ics 365
grep -q '^02/02/2030 \[1\] Tết Nguyên Đán$' "$work/vietnamese/apts"
import "$work/moon" "$work"/out/Tessarine_MoonPhases_*.ics 50
grep -q '^03/03/2026 \[1\] .*满月 19:38$' "$work/moon/apts"
import "$work/terms" "$work"/out/Tessarine_SolarTerms_*.ics 24
grep -q '^02/04/2026 \[1\] .*立春 04:02$' "$work/terms/apts"
days=$(( ( $(date -d "$(date +%Y)-12-31 +1 year" +%s) - $(date -d "$(( $(date +%Y) - 1 ))-01-01" +%s) ) / 86400 + 1 ))
import "$work/rolling" "$work/out/Tessarine_Rolling.ics" "$days"
