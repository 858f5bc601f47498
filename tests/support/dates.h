// Dates in tests: built from numbers, shown as YYYY-MM-DD in failure output.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <variant>

#include "calendar/year_range.h"

namespace tessarine::testing {

constexpr std::chrono::sys_days Date(int y, unsigned m, unsigned d) {
  return std::chrono::sys_days{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

// The years first..last, which the test knows to be a range.
inline YearRange Years(int first, int last) { return std::get<YearRange>(YearRange::Checked(first, last)); }

inline std::string Iso(std::chrono::sys_days date) {
  const std::chrono::year_month_day ymd{date};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

}  // namespace tessarine::testing
