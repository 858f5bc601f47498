#include "calendar/lunar_date.h"

#include <algorithm>
#include <array>

#include "calendar/lunar_tables.h"

namespace tessarine {
namespace {

// Lunar 1900 is not in the tables: the epoch is day 11 of its month 11 (29
// days), followed by its month 12 (30 days). Day 49 is lunar new year 1901.
constexpr int kDaysLeftInLunar1900Month11 = 19;
constexpr int kFirstDayOfLunar1901 = 49;

constexpr int TableIndex(int year) { return year - kFirstTableYear; }

constexpr int LeapMonthAt(int index) {
  const std::uint8_t byte = LeapMonthTable[index / 2];
  return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// Months of a lunar year as they follow each other, leap month included.
constexpr int MonthSlots(int index) { return LeapMonthAt(index) == 0 ? 12 : 13; }

constexpr int SlotLength(int index, int slot) {
  return (LunarMonthBits[index] >> (15 - slot)) & 1 ? 30 : 29;
}

// The slot of a month: months after the leap month sit one slot later.
constexpr int SlotOf(int index, unsigned month, bool leap) {
  const int leapMonth = LeapMonthAt(index);
  const bool afterLeap = leapMonth != 0 && (static_cast<int>(month) > leapMonth || leap);
  return static_cast<int>(month) - 1 + (afterLeap ? 1 : 0);
}

constexpr int YearLengthAt(int index) {
  int days = 0;
  for (int slot = 0; slot < MonthSlots(index); ++slot) days += SlotLength(index, slot);
  return days;
}

// YearStart[i]: the day count, from the epoch, of the first day of lunar year
// 1901 + i; YearStart[kTableYears] is the day after lunar 2050 ends. Built at
// compile time so that a conversion does not walk every year from 1901.
constexpr std::array<int, kTableYears + 1> YearStart = [] {
  std::array<int, kTableYears + 1> start{};
  start[0] = kFirstDayOfLunar1901;
  for (int i = 0; i < kTableYears; ++i) start[i + 1] = start[i] + YearLengthAt(i);
  return start;
}();

static_assert(YearLengthAt(TableIndex(1901)) == 354);
static_assert(YearLengthAt(TableIndex(1903)) == 383);
static_assert(YearLengthAt(TableIndex(2023)) == 384);
static_assert([] {
  int years = 0;
  for (int i = 0; i < kTableYears; ++i) years += LeapMonthAt(i) != 0;
  return years;
}() == 55, "55 lunar years of 1901-2050 have a leap month");
static_assert(LunarEpoch + std::chrono::days{YearStart[kTableYears] - 1} == LastConvertibleDate,
              "the tables end with lunar 2050 on 2051-02-10");

constexpr bool InTables(int year) { return year >= kFirstTableYear && year <= kLastTableYear; }

}  // namespace

unsigned LeapMonthOf(int year) noexcept {
  return InTables(year) ? static_cast<unsigned>(LeapMonthAt(TableIndex(year))) : 0;
}

unsigned LunarMonthDays(int year, unsigned month, bool leap) noexcept {
  if (!InTables(year) || month < 1 || month > 12) return 0;
  const int index = TableIndex(year);
  if (leap && LeapMonthAt(index) != static_cast<int>(month)) return 0;
  return static_cast<unsigned>(SlotLength(index, SlotOf(index, month, leap)));
}

std::optional<LunarDate> ToLunarDate(sys_days date) noexcept {
  const int n = (date - LunarEpoch).count();
  if (n < 0 || n >= YearStart[kTableYears]) return std::nullopt;
  if (n < kFirstDayOfLunar1901) {
    if (n < kDaysLeftInLunar1900Month11) return LunarDate{1900, 11, static_cast<unsigned>(n + 11), false};
    return LunarDate{1900, 12, static_cast<unsigned>(n - kDaysLeftInLunar1900Month11 + 1), false};
  }

  const int index = static_cast<int>(
      std::upper_bound(YearStart.begin(), YearStart.end(), n) - YearStart.begin() - 1);
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

std::optional<sys_days> FromLunarDate(const LunarDate& date) noexcept {
  const unsigned length = LunarMonthDays(date.year, date.month, date.leap);
  if (length == 0 || date.day < 1 || date.day > length) return std::nullopt;
  const int index = TableIndex(date.year);
  int n = YearStart[index];
  for (int slot = 0; slot < SlotOf(index, date.month, date.leap); ++slot) n += SlotLength(index, slot);
  return LunarEpoch + std::chrono::days{n + static_cast<int>(date.day) - 1};
}

}  // namespace tessarine
