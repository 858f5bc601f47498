// The Gregorian-to-lunar conversion as first described: walk every lunar
// year from 1901, then the months of the date's year, leap month included.
// The engine's table-driven conversion is checked against it and measured
// beside it.
#pragma once

#include "calendar/lunar_date.h"

namespace tessarine::testing {

inline unsigned LunarYearDays(int year) {
  unsigned days = 0;
  for (unsigned m = 1; m <= 12; ++m) days += LunarMonthDays(year, m, false, LunarCalendar::China) + LunarMonthDays(year, m, true, LunarCalendar::China);
  return days;
}

inline LunarDate LiteralWalk(sys_days date) {
  int n = (date - sys_days{std::chrono::year{1901} / 1 / 1}).count();
  if (n < 49) {
    if (n < 19) return {1900, 11, static_cast<unsigned>(n + 11), false};
    return {1900, 12, static_cast<unsigned>(n - 18), false};
  }
  n -= 49;
  int y = 1901;
  while (n >= static_cast<int>(LunarYearDays(y))) n -= static_cast<int>(LunarYearDays(y++));
  for (unsigned m = 1; m <= 12; ++m) {
    for (const bool leap : {false, true}) {
      const int length = static_cast<int>(LunarMonthDays(y, m, leap, LunarCalendar::China));
      if (n < length) return {y, m, static_cast<unsigned>(n + 1), leap};
      n -= length;
    }
  }
  return {};
}

}  // namespace tessarine::testing
