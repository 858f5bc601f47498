#!/usr/bin/env bash
# A year file imported into khal, a calendar client that merges events by
# UID, then regenerated in another format with 休/班 marks and imported
# again: the days are updated, not doubled.
set -euo pipefail
cli=${1:?usage: check_khal.sh PATH-TO-tessarine-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/calendar" "$work/out"
cat >"$work/config" <<CONFIG
[calendars]
[[lunar]]
path = $work/calendar
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
[sqlite]
path = $work/khal.db
CONFIG
export XDG_CONFIG_HOME=$work/config-home  # the built-in holidays, not the user's list
khal_() { khal -c "$work/config" "$@"; }

"$cli" ics 2026 --fixed-name --output "$work/out" >/dev/null
khal_ import --batch -a lunar "$work/out/Tessarine_2026.ics"
[ "$(find "$work/calendar" -name '*.ics' | wc -l)" -eq 365 ]
"$cli" ics 2026 --fixed-name --template LMLD --holiday-marks --output "$work/out" >/dev/null
khal_ import --batch -a lunar "$work/out/Tessarine_2026.ics"
[ "$(find "$work/calendar" -name '*.ics' | wc -l)" -eq 365 ]
khal_ list 2026-02-17 2026-02-17 | tee /dev/stderr | grep -q '正月初一(休)'
echo "khal: 365 days, updated in place"
