// The help text of tessarine-cli day: its tab-separated fields and every key
// of its JSON lines (the format options and the dates follow it from
// cli/help.h).
#pragma once

#include <string_view>

namespace tessarine::cli {

inline constexpr std::string_view kDayHelp = R"(Usage: tessarine-cli day [OPTIONS] DATE|FROM..TO...

Describes each date in one line of nine tab-separated fields:
  1 the date   2 lunar year   3 lunar month   4 lunar day   5 solar term
  6 lunar festival   7 Gregorian festival   8 weekday   9 the normal-format title
Fields 2 to 6 are the plain description; field 9 follows the options below.

With --json, each date is one JSON object on a line of its own (JSON Lines),
for scripts, with these keys in this order (names in the language):
  "date"             the date, YYYY-MM-DD
  "weekday"          1 Monday … 7 Sunday
  "calendar"         chinese, korean or vietnamese
  "region"           cn, tw, hk, kr or vn
  "lunarYear", "month", "leap", "day", "monthDays"
                     the lunar date as numbers: leap true or false, monthDays
                     29 or 30
  "yearName", "zodiac", "monthName", "dayName"
                     the lunar date's names
  "term"             the solar term's name, or null
  "festivals"        the festivals' names, lunar then Gregorian
  "lunarFestivals", "solarFestivals"
                     each festival as {"id", "name"}, the id the same in every
                     language: "seollal", "tet", "springFestival",
                     "nationalDay" …
  "title"            the normal-format title
  "holiday"          the region's official day off or make-up workday as
                     {"kind": "off" or "work", "name", "status": "official" or
                     "provisional" (from the rules, for a year not yet
                     published)}, or null
  "termTime"         the moment of the day's solar term in UTC,
                     "YYYY-MM-DDTHH:MMZ", or null
  "moonPhase"        the Moon's principal phase as {"phase": "new",
                     "first_quarter", "full" or "last_quarter", "time": its
                     moment in UTC}, or null
  "dogDays"          a day of 三伏 as {"period": 1 初伏, 2 中伏 or 3 末伏,
                     "day": from 1}, or null (Korea marks only the first
                     days)
  "shuJiu"           a day of 数九 as {"nine": 1 一九 … 9 九九, "day": 1 to 9},
                     or null (counted for the mainland, cn, alone)
  "ganzhi"           the 干支 as {"year" (the lunar year's), "yearByTerm" (the
                     year's from 立春), "month" (from each 节), "day"}

)";

}  // namespace tessarine::cli
