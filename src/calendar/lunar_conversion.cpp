#include "calendar/lunar_conversion.h"

#include <algorithm>

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
  return (LunarMonthDays[index] >> (15 - slot)) & 1 ? 30 : 29;
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

// LatestLeapMonth[i]: the leap month of the latest lunar year from 1901 to
// 1901 + i that has one, 0 while none has. This is what walking the years
// from 1901 leaves in RecordedLeapMonth, and the leap test relies on it.
constexpr std::array<int, kTableYears> LatestLeapMonth = [] {
  std::array<int, kTableYears> latest{};
  int recorded = 0;
  for (int i = 0; i < kTableYears; ++i) {
    if (LeapMonthAt(i) != 0) recorded = LeapMonthAt(i);
    latest[i] = recorded;
  }
  return latest;
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

}  // namespace

std::uint16_t LeapMonthOf(std::uint16_t year) {
  if (year < kFirstTableYear || year > kLastTableYear) return 0;
  return static_cast<std::uint16_t>(LeapMonthAt(TableIndex(year)));
}

std::uint32_t LunarMonthLength(LunarCalendar& cal, std::uint16_t year, std::uint16_t month) {
  if (year < kFirstTableYear) return 30;
  if (year > kLastTableYear || month < 1 || month > 12) return 0;
  const int index = TableIndex(year);
  const int leap = LeapMonthAt(index);
  const int slot = (leap != 0 && leap < month) ? month : month - 1;
  const std::uint32_t length = SlotLength(index, slot);
  std::uint32_t leapLength = 0;
  if (month == leap) {
    cal.RecordedLeapMonth = month;
    leapLength = SlotLength(index, slot + 1);
  }
  return length + leapLength * 65536;
}

std::uint16_t LunarYearLength(LunarCalendar& cal, std::uint16_t year) {
  std::uint32_t days = 0;
  for (std::uint16_t month = 1; month <= 12; ++month) {
    const std::uint32_t both = LunarMonthLength(cal, year, month);
    days += (both & 0xFFFF) + (both >> 16);
  }
  return static_cast<std::uint16_t>(days);
}

LunarDate ToLunarDate(LunarCalendar& cal, sys_days date) {
  const int n = (date - LunarEpoch).count();
  if (n < 0 || n >= YearStart[kTableYears]) return {};
  if (n < kFirstDayOfLunar1901) {
    if (n < kDaysLeftInLunar1900Month11) return {1900, 11, static_cast<std::uint16_t>(n + 11)};
    return {1900, 12, static_cast<std::uint16_t>(n - kDaysLeftInLunar1900Month11 + 1)};
  }

  const int index = static_cast<int>(
      std::upper_bound(YearStart.begin(), YearStart.end(), n) - YearStart.begin() - 1);
  if (LatestLeapMonth[index] != 0) cal.RecordedLeapMonth = LatestLeapMonth[index];

  const int leap = LeapMonthAt(index);
  int remaining = n - YearStart[index];
  int slot = 0;
  while (remaining >= SlotLength(index, slot)) remaining -= SlotLength(index, slot++);
  // Slots after the leap month are numbered one less than their position.
  const int month = (leap != 0 && slot >= leap) ? slot : slot + 1;
  return {static_cast<std::uint16_t>(kFirstTableYear + index), static_cast<std::uint16_t>(month),
          static_cast<std::uint16_t>(remaining + 1)};
}

std::uint16_t SolarTermIndex(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  if (year < kFirstTableYear || year > kLastTableYear || month < 1 || month > 12) return 0;
  const std::uint8_t byte = SolarTermTable[TableIndex(year) * 12 + (month - 1)];
  const int termDay = day < 15 ? 15 - (byte >> 4) : (byte & 0x0F) + 15;
  if (day != termDay) return 0;
  return static_cast<std::uint16_t>(day <= 15 ? 2 * month - 1 : 2 * month);
}

void UpdateLeapMonthFlag(LunarCalendar& cal, sys_days date, std::uint16_t month, std::uint16_t day) {
  if (month != cal.RecordedLeapMonth) return;
  const std::int32_t remembered = cal.RecordedLeapMonth;
  // A day of the preceding lunar month: the leap month follows a month of the
  // same number, the month it repeats follows a smaller one.
  const sys_days earlier = date - std::chrono::days{day + 1};
  if (earlier < LunarEpoch) {
    // Lunar 1900 has no leap month; a number left over from another year's
    // leap month must not make one of it.
    cal.LeapMonthFlag = 0;
  } else {
    cal.LeapMonthFlag = ToLunarDate(cal, earlier).Month == cal.RecordedLeapMonth ? 2 : 0;
  }
  cal.RecordedLeapMonth = remembered;
}

}  // namespace tessarine
