// Gregorian to lunar conversion and back, and the shape of each lunar year
// (its leap month and month lengths), over the constant tables of
// lunar_tables.h. Every function is a pure function of its arguments.
#pragma once

#include <chrono>
#include <optional>

namespace tessarine {

using std::chrono::sys_days;

// A lunar date. `year` is numbered by the Gregorian year in which the lunar
// year begins; a day of a leap month carries the number of the month it
// repeats, with `leap` set.
struct LunarDate {
  int year = 0;         // [1900, 2050]
  unsigned month = 0;   // [1, 12]
  unsigned day = 0;     // [1, 30]
  bool leap = false;
  friend constexpr bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The first day the tables convert: lunar 1900, month 11, day 11.
inline constexpr sys_days LunarEpoch{std::chrono::year{1901} / 1 / 1};
// The last day of lunar 2050, the end of what the tables can convert.
inline constexpr sys_days LastConvertibleDate{std::chrono::year{2051} / 2 / 10};
// The days the program describes: every day of the Gregorian years 1901-2050.
inline constexpr int FirstDescribedYear = 1901;
inline constexpr int LastDescribedYear = 2050;
inline constexpr sys_days FirstDescribedDate = LunarEpoch;
inline constexpr sys_days LastDescribedDate{std::chrono::year{LastDescribedYear} / 12 / 31};

inline constexpr bool IsDescribable(sys_days date) noexcept {
  return date >= FirstDescribedDate && date <= LastDescribedDate;
}

// The month that the lunar year's leap month repeats, 0 for none (and for
// years outside 1901-2050).
unsigned LeapMonthOf(int year) noexcept;

// Days of the month (29 or 30) of a lunar year from 1901 to 2050; the leap
// copy when `leap` is set. 0 for a month the year does not have.
unsigned LunarMonthDays(int year, unsigned month, bool leap = false) noexcept;

// The lunar date of a day from 1901-01-01 to 2051-02-10, nothing outside.
std::optional<LunarDate> ToLunarDate(sys_days date) noexcept;

// The Gregorian day of a lunar date of the years 1901-2050; nothing when the
// year has no such month or the month no such day.
std::optional<sys_days> FromLunarDate(const LunarDate& date) noexcept;

}  // namespace tessarine
