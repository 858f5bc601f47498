// The 24 solar terms: which Gregorian day each falls on, and their names.
#pragma once

#include <array>
#include <chrono>
#include <string_view>

#include "calendar/lunar_date.h"

namespace tessarine {

// SolarTermNames[k - 1] names term number k: 小寒 is 1, 冬至 is 24.
extern const std::array<std::string_view, 24> SolarTermNames;

// 0 when no solar term falls on the day, else 1-24: 2m-1 for the first term
// of month m, 2m for its second, on the calendar's civil date (a term near
// midnight may fall a day apart in Korea or Vietnam). Years the tables do
// not hold give 0.
unsigned SolarTermIndex(std::chrono::year_month_day date, LunarCalendar calendar = LunarCalendar::China) noexcept;

}  // namespace tessarine
