// The 24 solar terms: which Gregorian day each falls on. Their names are the
// vocabulary's (calendar/vocabulary.h), 小寒 first and 冬至 last.
#pragma once

#include <array>
#include <chrono>
#include <string_view>

#include "calendar/lunar_date.h"

namespace tessarine {


// 0 when no solar term falls on the day, else 1-24: 2m-1 for the first term
// of month m, 2m for its second, on the calendar's civil date (a term near
// midnight may fall a day apart in Korea or Vietnam). Years the tables do
// not hold give 0.
unsigned SolarTermIndex(std::chrono::year_month_day date, LunarCalendar calendar) noexcept;

}  // namespace tessarine
