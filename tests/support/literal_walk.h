// The Gregorian-to-lunar conversion as first described: walk every lunar
// year from 1901, then the months of the date's year. The engine's fast
// conversion is checked against it and measured beside it.
#pragma once

#include "calendar/lunar_conversion.h"

namespace tessarine::testing {

inline LunarDate LiteralWalk(LunarCalendar& cal, sys_days date) {
  int n = (date - LunarEpoch).count();
  if (n < 49) {
    if (n < 19) return {1900, 11, static_cast<std::uint16_t>(n + 11)};
    return {1900, 12, static_cast<std::uint16_t>(n - 18)};
  }
  n -= 49;
  std::uint16_t y = 1901, m = 1;
  while (n >= LunarYearLength(cal, y)) n -= LunarYearLength(cal, y++);
  int len = LunarMonthLength(cal, y, m) & 0xFFFF;
  while (n >= len) {
    n -= len;
    if (m == LeapMonthOf(y)) {
      const int leap = LunarMonthLength(cal, y, m) >> 16;
      if (n < leap) break;
      n -= leap;
    }
    ++m;
    len = LunarMonthLength(cal, y, m) & 0xFFFF;
  }
  return {y, m, static_cast<std::uint16_t>(n + 1)};
}

}  // namespace tessarine::testing
