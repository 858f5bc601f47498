// A schedule's days as tests compare them: the weekdays off of a year as
// "MM-DD MM-DD …", and a day looked up by its date.
#pragma once

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "holidays/schedule.h"

namespace tessarine::testing {

// The days off from Monday to Friday, as a published list's weekdays are
// checked: "01-01 02-16 …".
inline std::string WeekdaysOff(const HolidaySchedule& schedule) {
  std::string out;
  for (const HolidayDay& day : schedule.days) {
    const std::chrono::weekday w{day.date};
    if (day.kind != HolidayKind::DayOff || w == std::chrono::Saturday || w == std::chrono::Sunday) continue;
    const std::chrono::year_month_day ymd{day.date};
    char text[8];
    std::snprintf(text, sizeof text, "%02u-%02u", static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    out += out.empty() ? text : std::string(" ") + text;
  }
  return out;
}

inline std::optional<HolidayDay> DayOf(const HolidaySchedule& schedule, std::chrono::sys_days date) {
  for (const HolidayDay& day : schedule.days) {
    if (day.date == date) return day;
  }
  return std::nullopt;
}

}  // namespace tessarine::testing
