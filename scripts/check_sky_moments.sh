#!/usr/bin/env bash
# Writes the Moon's phases and the solar terms of 1901-2100 with
# tessarine-cli and compares every moment with PyEphem (Debian's
# python3-ephem), an independent computation: at the files' precision each
# must agree within a minute (the file's minute and PyEphem's moment rounded
# to the minute at most one apart). Prints the largest difference in
# seconds, by decade, and how many exceed 60 s: the file's rounding (up to
# 30 s) adds to the two computations' own difference, which grows after 2050
# with their predictions of the Earth's rotation.
set -euo pipefail
cli=${1:?usage: check_sky_moments.sh PATH-TO-tessarine-cli}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cli" moon 1901 2100 --output "$out" >/dev/null
"$cli" terms 1901 2100 --output "$out" >/dev/null
/usr/bin/python3 - "$out" <<'PY'
import datetime, math, pathlib, sys
import ephem, icalendar

folder = pathlib.Path(sys.argv[1])
def moments(pattern):
    (path,) = folder.glob(pattern)
    for event in icalendar.Calendar.from_ical(path.read_bytes()).walk("VEVENT"):
        when = datetime.datetime.strptime(str(event["DESCRIPTION"]), "%Y-%m-%dT%H:%MZ")
        yield str(event["SUMMARY"]).split(" ")[0], ephem.Date(when)

finders = {"新月": ephem.next_new_moon, "上弦": ephem.next_first_quarter_moon,
           "满月": ephem.next_full_moon, "下弦": ephem.next_last_quarter_moon}
worst = {"phase": (0, None), "term": (0, None)}
count = {"phase": 0, "term": 0}
signed = {"phase": [], "term": []}
years = {"phase": [], "term": []}
import collections
by_decade = collections.defaultdict(float)
def note(kind, ours, theirs):
    signed[kind].append((ours - theirs) * 86400)
    years[kind].append(ephem.Date(ours).tuple()[0])
    assert abs(round(float(ours) * 1440) - round(float(theirs) * 1440)) <= 1, (kind, ephem.Date(ours))
    seconds = abs(ours - theirs) * 86400
    decade = ephem.Date(ours).tuple()[0] // 10 * 10
    by_decade[decade] = max(by_decade[decade], seconds)
    count[kind] += 1
    if seconds > worst[kind][0]:
        worst[kind] = (seconds, ephem.Date(ours))

for name, ours in moments("Tessarine_MoonPhases_*.ics"):
    note("phase", ours, finders[name](ours - 1))

terms = ["小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
         "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"]
def sun_longitude(when):
    sun = ephem.Sun()
    sun.compute(when, epoch=when)  # apparent, of date
    return float(ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=when), epoch=when).lon)
for name, ours in moments("Tessarine_SolarTerms_*.ics"):
    target = math.radians((285 + 15 * terms.index(name)) % 360)
    t = float(ours)
    for _ in range(6):  # Newton steps: the Sun moves about a degree a day
        t -= math.remainder(sun_longitude(t) - target, 2 * math.pi) / math.radians(0.9856)
    note("term", ours, t)

print("largest by decade:", " ".join(f"{d}s {v:.0f} s" for d, v in sorted(by_decade.items())))
for kind in signed:
    over = sum(1 for d in signed[kind] if abs(d) > 60)
    early = sum(1 for d, y in zip(signed[kind], years[kind]) if abs(d) > 60 and y < 2050)
    print(f"{kind}: mean difference {sum(signed[kind]) / len(signed[kind]):+.1f} s, {over} over 60 s ({early} before 2050)")
for kind in ("phase", "term"):
    seconds, when = worst[kind]
    print(f"{count[kind]} {kind} moments; largest difference from PyEphem {seconds:.0f} s, at {when} UTC")
PY
