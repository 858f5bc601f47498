// Whose clock decides the day a new moon or a solar term falls on. The three
// lunar calendars follow the same rules from the same sky, each by the civil
// date of its own country:
//   China    UTC+8 (China Standard Time) throughout;
//   Korea    the Chinese calendar for events before 1912-01-01, then UTC+9,
//            as the Korea Astronomy and Space Science Institute's calendar
//            has it (its UTC+8:30 years of 1908-1911 and 1954-1961 move no
//            month start, so they are not modelled);
//   Vietnam  the Chinese calendar before 1968-01-01, then UTC+7, by the
//            decree of 8 August 1967 (the North's rule; the South kept UTC+8
//            until 1975).
// The table generator and the library both take the rule from here.
#pragma once

#include <chrono>

#include "calendar/lunar_date.h"

namespace tessarine {

// The calendar's clock on civil day `day`, east of UTC (the clock of its
// midnight).
constexpr std::chrono::minutes CivilOffset(LunarCalendar calendar, sys_days day) noexcept {
  using std::chrono::hours;
  constexpr sys_days koreaOwnClock{std::chrono::year{1912} / 1 / 1};
  constexpr sys_days vietnamOwnClock{std::chrono::year{1968} / 1 / 1};
  switch (calendar) {
    case LunarCalendar::Korea: return day >= koreaOwnClock ? hours{9} : hours{8};
    case LunarCalendar::Vietnam: return day >= vietnamOwnClock ? hours{7} : hours{8};
    case LunarCalendar::China: break;
  }
  return hours{8};
}

static_assert(CivilOffset(LunarCalendar::Korea, sys_days{std::chrono::year{1911} / 12 / 31}) == std::chrono::hours{8});
static_assert(CivilOffset(LunarCalendar::Korea, sys_days{std::chrono::year{1912} / 1 / 1}) == std::chrono::hours{9});
static_assert(CivilOffset(LunarCalendar::Vietnam, sys_days{std::chrono::year{1968} / 1 / 1}) == std::chrono::hours{7});

}  // namespace tessarine
