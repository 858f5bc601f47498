#include "lunar_months.h"

#include <algorithm>
#include <stdexcept>

#include <fmt/core.h>

#include "calendar/iso_date.h"

namespace tessarine::tables {
namespace {

using std::chrono::sys_days;

// The index of the month that holds `day`.
std::size_t MonthHolding(const std::vector<sys_days>& starts, sys_days day) {
  const auto after = std::upper_bound(starts.begin(), starts.end(), day);
  if (after == starts.begin() || after == starts.end()) throw std::runtime_error("no new moons around " + IsoDate(day));
  return static_cast<std::size_t>(after - starts.begin()) - 1;
}

bool HoldsAny(const std::vector<sys_days>& days, sys_days first, sys_days next) {
  const auto it = std::lower_bound(days.begin(), days.end(), first);
  return it != days.end() && *it < next;
}

// Numbers the months from the one holding `solstice` up to the one before
// the month holding the next solstice.
void NumberYear(const std::vector<sys_days>& starts, sys_days solstice, sys_days nextSolstice,
                const std::vector<sys_days>& principalTerms, std::vector<LunarMonth>& months) {
  const std::size_t first = MonthHolding(starts, solstice);
  const std::size_t next = MonthHolding(starts, nextSolstice);
  const std::size_t count = next - first;
  if (count != 12 && count != 13) {
    throw std::runtime_error(fmt::format("{} months begin in the year of the solstice {}", count, IsoDate(solstice)));
  }
  const int solsticeYear = static_cast<int>(std::chrono::year_month_day{solstice}.year());
  bool leapFound = count == 12;
  unsigned number = 10;
  for (std::size_t i = first; i < next; ++i) {
    LunarMonth month{starts[i], static_cast<int>((starts[i + 1] - starts[i]).count()), 0, 0, false};
    if (!leapFound && i != first && !HoldsAny(principalTerms, starts[i], starts[i + 1])) {
      month.leap = leapFound = true;
    } else {
      number = number % 12 + 1;
    }
    month.number = number;
    month.year = number >= 11 ? solsticeYear : solsticeYear + 1;
    months.push_back(month);
  }
  if (!leapFound) throw std::runtime_error("no leap month in the year of the solstice " + IsoDate(solstice));
}

}  // namespace

std::vector<LunarMonth> NumberMonths(const std::vector<sys_days>& monthStarts, const std::vector<sys_days>& solstices,
                                     const std::vector<sys_days>& principalTerms) {
  std::vector<LunarMonth> months;
  for (std::size_t i = 0; i + 1 < solstices.size(); ++i) {
    NumberYear(monthStarts, solstices[i], solstices[i + 1], principalTerms, months);
  }
  return months;
}

LunarYearShape ShapeOf(const std::vector<LunarMonth>& months, int year) {
  LunarYearShape shape;
  int bit = 15;
  for (const LunarMonth& month : months) {
    if (month.year != year) continue;
    if (month.length == 30) shape.monthBits |= static_cast<std::uint16_t>(1u << bit);
    if (month.leap) shape.leapMonth = month.number;
    --bit;
  }
  if (bit != 3 && bit != 2) throw std::runtime_error(fmt::format("lunar year {} has {} months", year, 15 - bit));
  return shape;
}

}  // namespace tessarine::tables
