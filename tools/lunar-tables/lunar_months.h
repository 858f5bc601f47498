// The rules that turn new moons and solar terms into lunar months, every
// comparison by China Standard Time date:
// - a month begins on the day of a new moon;
// - the month holding the day of the winter solstice (冬至) is month 11;
// - when 13 months begin between two months 11, the first of them without
//   the day of a principal term (中气, the Sun at a multiple of 30°) is a
//   leap month, and repeats the number of the month before it.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace tessarine::tables {

struct LunarMonth {
  std::chrono::sys_days start{};
  int length = 0;     // days, 29 or 30
  int year = 0;       // the lunar year: months 11 and 12 belong to the year of their solstice
  unsigned number = 0;
  bool leap = false;
};

// The months of every winter-solstice year (岁) from the solstice in
// `solstices.front()` to the one before `solstices.back()`. `monthStarts`
// must reach past the last solstice; `principalTerms` must hold every
// principal term day in between. Throws std::runtime_error where the sky
// breaks the rules (no such year since the rules were set).
std::vector<LunarMonth> NumberMonths(const std::vector<std::chrono::sys_days>& monthStarts,
                                     const std::vector<std::chrono::sys_days>& solstices,
                                     const std::vector<std::chrono::sys_days>& principalTerms);

// One lunar year as the calendar's tables hold it: its months in order, the
// leap month right after the month it repeats, a set bit from bit 15 down for
// each month of 30 days; and the number of the month the leap month repeats,
// or 0.
struct LunarYearShape {
  std::uint16_t monthBits = 0;
  unsigned leapMonth = 0;
};

// The shape of lunar year `year`, from months numbered by NumberMonths.
LunarYearShape ShapeOf(const std::vector<LunarMonth>& months, int year);

}  // namespace tessarine::tables
