// Gregorian to lunar date conversion, month and year lengths, solar terms and
// the leap test, all over the constant tables of lunar_tables.h.
#pragma once

#include <chrono>
#include <cstdint>

#include "calendar/lunar_calendar.h"

namespace tessarine {

// A lunar date. Year is numbered by the Gregorian year in which the lunar year
// begins; a day of a leap month carries the number of the month it repeats.
struct LunarDate {
  std::uint16_t Year = 0;
  std::uint16_t Month = 0;
  std::uint16_t Day = 0;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

using std::chrono::sys_days;

// Day 0 of the conversion: lunar 1900, month 11, day 11.
inline constexpr sys_days LunarEpoch{std::chrono::year{1901} / 1 / 1};
// The last day of lunar 2050, the end of what the tables can convert.
inline constexpr sys_days LastConvertibleDate{std::chrono::year{2051} / 2 / 10};
// The days the program describes: every day of the Gregorian years 1901-2050.
inline constexpr sys_days FirstDescribedDate = LunarEpoch;
inline constexpr sys_days LastDescribedDate{std::chrono::year{2050} / 12 / 31};

inline constexpr bool IsDescribable(sys_days date) {
  return date >= FirstDescribedDate && date <= LastDescribedDate;
}

// The month that the lunar year's leap month repeats, 0 for none (and for
// years outside 1901-2050).
std::uint16_t LeapMonthOf(std::uint16_t year);

// Low 16 bits: the days of the month; high 16 bits: the days of the leap
// month following it, when `month` is the year's leap month. Records that
// leap month in RecordedLeapMonth. Years before 1901 give 30 (lunar 1900's
// twelfth month); years after 2050 and months outside 1-12 give 0.
std::uint32_t LunarMonthLength(LunarCalendar& cal, std::uint16_t year, std::uint16_t month);

// Days of the lunar year, leap month included; records its leap month.
std::uint16_t LunarYearLength(LunarCalendar& cal, std::uint16_t year);

// Converts a Gregorian date from 1901-01-01 to 2051-02-10. Leaves
// RecordedLeapMonth holding the leap month of the latest lunar year from 1901
// up to the date's lunar year that has one, exactly as walking every year and
// month from 1901 would; dates of lunar 1900 leave it alone. A date outside
// the convertible range gives {0, 0, 0} and changes no state.
LunarDate ToLunarDate(LunarCalendar& cal, sys_days date);

// 0 when no solar term falls on the Gregorian day, else 1-24: 2m-1 for the
// first term of month m, 2m for its second. Years outside 1901-2050 give 0.
std::uint16_t SolarTermIndex(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// The leap test for `date`, whose lunar month and day are given: sets
// LeapMonthFlag to 2 when the day lies in the leap month that RecordedLeapMonth
// names, to 0 when it does not; leaves RecordedLeapMonth as it found it.
void UpdateLeapMonthFlag(LunarCalendar& cal, sys_days date, std::uint16_t month, std::uint16_t day);

}  // namespace tessarine
