#!/usr/bin/env bash
# Debian's python3 carries the python3-icalendar package.
# Writes every year the calendar covers and reads each file back with
# python3-icalendar, a parser independent of the libical used by the unit
# tests: every file must parse, hold one all-day event per titled day with a
# unique UID, and name itself after its year.
set -euo pipefail
cli=${1:?usage: check_icalendar.sh PATH-TO-tessarine-cli FIRST-YEAR LAST-YEAR}
first=${2:?} last=${3:?}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cli" ics "$first" "$last" --output "$out" >/dev/null
/usr/bin/python3 - "$out" "$first" "$last" <<'PY'
import datetime, pathlib, sys
import icalendar
files = sorted(pathlib.Path(sys.argv[1]).glob("Tessarine_*.ics"))
first, last = int(sys.argv[2]), int(sys.argv[3])
assert [int(p.name.split("_")[1]) for p in files] == list(range(first, last + 1)), len(files)
events = 0
for path in files:
    year = int(path.name.split("_")[1])
    raw = path.read_bytes()
    assert not raw.startswith(b"\xef\xbb\xbf"), path
    assert all(len(line) <= 75 for line in raw.split(b"\r\n")), path
    calendar = icalendar.Calendar.from_ical(raw)
    assert str(calendar["X-WR-CALNAME"]) == f"农历 {year}", path
    uids = set()
    for event in calendar.walk("VEVENT"):
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        assert type(start) is datetime.date and end - start == datetime.timedelta(days=1), path
        assert start.year == year and str(event["SUMMARY"]), path
        assert str(event["TRANSP"]) == "TRANSPARENT", path
        uids.add(str(event["UID"]))
        events += 1
    assert len(uids) == len(calendar.walk("VEVENT")), path
print(f"python3-icalendar read {len(files)} files, {events} events")
PY

# The other calendars and scripts: one year each, its name and a day that
# shows the calendar's own rule.
for run in "chinese zh-Hant 2026 農曆 20260217 春節" "korean ko 2027 음력 20270207 설날" \
           "vietnamese vi 2030 Âm_lịch 20300202 Tết_Nguyên_Đán"; do
  read -r calendar language year name day title <<<"$run"
  mkdir "$out/$calendar"
  "$cli" ics "$year" --calendar "$calendar" --language "$language" --output "$out/$calendar" >/dev/null
  /usr/bin/python3 - "$out/$calendar" "$year" "${name//_/ }" "$day" "${title//_/ }" <<'PY'
import pathlib, sys
import icalendar
folder, year, name, day, title = sys.argv[1:]
(path,) = pathlib.Path(folder).glob("*.ics")
calendar = icalendar.Calendar.from_ical(path.read_bytes())
assert str(calendar["X-WR-CALNAME"]) == f"{name} {year}", calendar["X-WR-CALNAME"]
titles = {event.decoded("DTSTART").strftime("%Y%m%d"): str(event["SUMMARY"]) for event in calendar.walk("VEVENT")}
assert len(titles) >= 365 and titles[day] == title, (path, titles.get(day))
print(f"python3-icalendar read {path.name}: {titles[day]} on {day}")
PY
done

# A rolling feed: one file from last year to next, asking for a daily refresh.
mkdir "$out/rolling"
"$cli" ics --rolling 1 --output "$out/rolling" >/dev/null
/usr/bin/python3 - "$out/rolling/Tessarine_Rolling.ics" <<'PY'
import datetime, sys
import icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
assert str(calendar["METHOD"]) == "PUBLISH" and str(calendar["X-PUBLISHED-TTL"]) == "P1D"
years = {event.decoded("DTSTART").year for event in calendar.walk("VEVENT")}
this = datetime.date.today().year
assert years == {this - 1, this, this + 1}, years
print(f"python3-icalendar read the rolling feed: {len(calendar.walk('VEVENT'))} events, {min(years)}-{max(years)}")
PY
