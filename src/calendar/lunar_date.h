// A lunar date as a value, in the manner of std::chrono's year_month_day:
// ok(), ordering, and constexpr conversion to and from sys_days over the
// constant tables of lunar_tables.h. The shape of each lunar year (its leap
// month and month lengths) is answered here too.
//
// Errors: none are thrown. A day or a lunar date the tables do not reach
// gives an empty optional, or 0 for a month length.
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <compare>
#include <optional>

#include "calendar/lunar_tables.h"

namespace tessarine {

using std::chrono::sys_days;

// A lunar date. `year` is numbered by the Gregorian year in which the lunar
// year begins; a day of a leap month carries the number of the month it
// repeats, with `leap` set.
struct LunarDate {
  int year = 0;        // [1900, last table year]; of 1900 only the end of month 11 and month 12
  unsigned month = 0;  // [1, 12]
  unsigned day = 0;    // [1, 30]
  bool leap = false;

  // True for a day the tables know: the year has this month and the month
  // this day.
  constexpr bool ok() const noexcept;

  friend constexpr bool operator==(const LunarDate&, const LunarDate&) = default;
  // Calendar order: a leap month follows the month it repeats.
  friend constexpr std::strong_ordering operator<=>(const LunarDate& a, const LunarDate& b) noexcept {
    if (const auto c = a.year <=> b.year; c != 0) return c;
    if (const auto c = a.month <=> b.month; c != 0) return c;
    if (const auto c = a.leap <=> b.leap; c != 0) return c;
    return a.day <=> b.day;
  }
};

namespace lunar_detail {

// The tables begin on 1 January of their first year, inside month 11 of the
// lunar year before (day 11 of lunar 1900's month 11). That year's months 11
// and 12 are answered from the lengths the tables give them.
static_assert(kEpochLunarMonth == 11, "the tables begin in month 11 of the lunar year before");
inline constexpr sys_days Epoch{std::chrono::year{kFirstTableYear} / 1 / 1};
inline constexpr int kEpochDayOfMonth = static_cast<int>(kEpochLunarDay);
inline constexpr unsigned kLunar1900Month11Days = kMonth11DaysBeforeTables;
inline constexpr unsigned kLunar1900Month12Days = kMonth12DaysBeforeTables;
inline constexpr int kFirstDayOfLunar1901 =
    static_cast<int>(kLunar1900Month11Days + kLunar1900Month12Days) - kEpochDayOfMonth + 1;

constexpr bool InTables(int year) noexcept { return year >= kFirstTableYear && year <= kLastTableYear; }
constexpr int TableIndex(int year) noexcept { return year - kFirstTableYear; }

constexpr int LeapMonthAt(int index) noexcept {
  const std::uint8_t byte = LeapMonthTable[index / 2];
  return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// Months of a lunar year as they follow each other, leap month included.
constexpr int MonthSlots(int index) noexcept { return LeapMonthAt(index) == 0 ? 12 : 13; }

constexpr int SlotLength(int index, int slot) noexcept {
  return (LunarMonthBits[index] >> (15 - slot)) & 1 ? 30 : 29;
}

// The slot of a month: months after the leap month sit one slot later.
constexpr int SlotOf(int index, unsigned month, bool leap) noexcept {
  const int leapMonth = LeapMonthAt(index);
  const bool afterLeap = leapMonth != 0 && (static_cast<int>(month) > leapMonth || leap);
  return static_cast<int>(month) - 1 + (afterLeap ? 1 : 0);
}

constexpr int YearLengthAt(int index) noexcept {
  int days = 0;
  for (int slot = 0; slot < MonthSlots(index); ++slot) days += SlotLength(index, slot);
  return days;
}

// YearStart[i]: the day count, from the epoch, of the first day of the
// table's lunar year i; the last entry is the day after the tables end.
// Built at compile time so that a conversion does not walk every year.
inline constexpr std::array<int, kTableYears + 1> YearStart = [] {
  std::array<int, kTableYears + 1> start{};
  start[0] = kFirstDayOfLunar1901;
  for (int i = 0; i < kTableYears; ++i) start[i + 1] = start[i] + YearLengthAt(i);
  return start;
}();

}  // namespace lunar_detail

// The last day the tables convert: the last day of their last lunar year.
inline constexpr sys_days LastConvertibleDate =
    lunar_detail::Epoch + std::chrono::days{lunar_detail::YearStart[kTableYears] - 1};

// The month that the lunar year's leap month repeats, 0 for none (and for
// years the tables do not hold).
constexpr unsigned LeapMonthOf(int year) noexcept {
  using namespace lunar_detail;
  return InTables(year) ? static_cast<unsigned>(LeapMonthAt(TableIndex(year))) : 0;
}

// Days of the month (29 or 30); the leap copy when `leap` is set. 0 for a
// month the year does not have, or that the tables do not reach. Of lunar
// 1900 the tables hold months 11 and 12, in which they begin.
constexpr unsigned LunarMonthDays(int year, unsigned month, bool leap = false) noexcept {
  using namespace lunar_detail;
  if (year == kFirstTableYear - 1 && !leap) {
    return month == 11 ? kLunar1900Month11Days : month == 12 ? kLunar1900Month12Days : 0;
  }
  if (!InTables(year) || month < 1 || month > 12) return 0;
  const int index = TableIndex(year);
  if (leap && LeapMonthAt(index) != static_cast<int>(month)) return 0;
  return static_cast<unsigned>(SlotLength(index, SlotOf(index, month, leap)));
}

// The lunar date of a day from the tables' first to their last day, nothing
// outside.
constexpr std::optional<LunarDate> ToLunarDate(sys_days date) noexcept {
  using namespace lunar_detail;
  const int n = (date - Epoch).count();
  if (n < 0 || n >= YearStart[kTableYears]) return std::nullopt;
  if (n < kFirstDayOfLunar1901) {
    constexpr int daysLeftInMonth11 = static_cast<int>(kLunar1900Month11Days) - kEpochDayOfMonth + 1;
    if (n < daysLeftInMonth11) return LunarDate{kFirstTableYear - 1, 11, static_cast<unsigned>(n + kEpochDayOfMonth)};
    return LunarDate{kFirstTableYear - 1, 12, static_cast<unsigned>(n - daysLeftInMonth11 + 1)};
  }
  const int index = static_cast<int>(std::upper_bound(YearStart.begin(), YearStart.end(), n) - YearStart.begin() - 1);
  const int leapMonth = LeapMonthAt(index);
  int remaining = n - YearStart[index];  // [0, 384]
  int slot = 0;                          // [0, 12]
  while (remaining >= SlotLength(index, slot)) remaining -= SlotLength(index, slot++);
  // Slots after the leap month are numbered one less than their position;
  // the leap month itself shares the number of the slot before it.
  const bool afterLeap = leapMonth != 0 && slot >= leapMonth;
  const int month = afterLeap ? slot : slot + 1;
  return LunarDate{kFirstTableYear + index, static_cast<unsigned>(month), static_cast<unsigned>(remaining + 1),
                   leapMonth != 0 && slot == leapMonth};
}

// The Gregorian day of a lunar date, nothing when it is not ok().
constexpr std::optional<sys_days> FromLunarDate(const LunarDate& date) noexcept {
  using namespace lunar_detail;
  if (!date.ok()) return std::nullopt;
  const auto day = std::chrono::days{date.day};
  if (date.year == kFirstTableYear - 1) {
    const auto month12 = Epoch + std::chrono::days{kLunar1900Month11Days - kEpochDayOfMonth + 1};
    return date.month == 11 ? Epoch + day - std::chrono::days{kEpochDayOfMonth} : month12 + day - std::chrono::days{1};
  }
  const int index = TableIndex(date.year);
  int n = YearStart[index];
  for (int slot = 0; slot < SlotOf(index, date.month, date.leap); ++slot) n += SlotLength(index, slot);
  return Epoch + std::chrono::days{n} + day - std::chrono::days{1};
}

constexpr bool LunarDate::ok() const noexcept {
  const unsigned length = LunarMonthDays(year, month, leap);
  // The tables begin on day 11 of lunar 1900's month 11.
  const bool beforeTables = year == kFirstTableYear - 1 && month == 11 && day < lunar_detail::kEpochDayOfMonth;
  return length != 0 && day >= 1 && day <= length && !beforeTables;
}

}  // namespace tessarine
