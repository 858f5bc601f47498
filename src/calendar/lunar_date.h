// A lunar date as a value, in the manner of std::chrono's year_month_day:
// ok(), ordering, and constexpr conversion to and from sys_days over the
// constant tables of a lunar calendar: the Chinese (lunar_tables.h), the
// Korean or the Vietnamese, the same rules at each country's clock. The
// calendar is always a parameter; the shape of each lunar year (its leap
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
#include "calendar/lunar_tables_korean.h"
#include "calendar/lunar_tables_vietnamese.h"

namespace tessarine {

using std::chrono::sys_days;

// Which lunar calendar: they part on a few dozen month starts in two
// centuries (Seollal 2027 is a day after the Spring Festival, Tết 1985 a
// month before it).
//
// Every conversion and check takes the calendar as an argument, never by
// default: a Korean date checked without one would be judged by China's
// tables, silently. It is an argument rather than part of the date's type
// (as another calendar's year_month_day is its own type) because the three
// are one set of rules over three tables, chosen at run time from the
// user's options: a type each would make every caller a template or a
// switch, and a LunarDate read from a list would still need the value.
enum class LunarCalendar { China, Korea, Vietnam };

// A lunar date. `year` is numbered by the Gregorian year in which the lunar
// year begins; a day of a leap month carries the number of the month it
// repeats, with `leap` set.
struct LunarDate {
  int year = 0;        // [1900, last table year]; of 1900 only the end of month 11 and month 12
  unsigned month = 0;  // [1, 12]
  unsigned day = 0;    // [1, 30]
  bool leap = false;

  // True for a day the calendar's tables know: the year has this month and
  // the month this day.
  constexpr bool ok(LunarCalendar calendar) const noexcept;

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

static_assert(korean::kFirstTableYear == kFirstTableYear && vietnamese::kFirstTableYear == kFirstTableYear &&
              korean::kLastTableYear == kLastTableYear && vietnamese::kLastTableYear == kLastTableYear,
              "the three calendars' tables span the same years");

inline constexpr sys_days Epoch{std::chrono::year{kFirstTableYear} / 1 / 1};

constexpr bool InTables(int year) noexcept { return year >= kFirstTableYear && year <= kLastTableYear; }
constexpr int TableIndex(int year) noexcept { return year - kFirstTableYear; }

// One calendar's tables, and what is derived from them at compile time. The
// tables begin on 1 January of their first year, inside month 11 of the
// lunar year before; that year's months 11 and 12 are answered from the
// lengths the tables give them.
struct Tables {
  int epochDayOfMonth;  // of 1 January in lunar 1900's month 11
  unsigned month11Days, month12Days;
  const std::uint16_t* monthBits;
  const std::uint8_t* leapMonths;
  const std::uint8_t* solarTerms;
  int firstDayOfLunar1901;  // days from the epoch
  // yearStart[i]: days from the epoch to the first day of lunar year i; the
  // last entry is the day after the tables end. So that a conversion does
  // not walk every year.
  std::array<int, kTableYears + 1> yearStart;

  constexpr int LeapMonthAt(int index) const noexcept {
    const std::uint8_t byte = leapMonths[index / 2];
    return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
  }
  // Months of a lunar year as they follow each other, leap month included.
  constexpr int MonthSlots(int index) const noexcept { return LeapMonthAt(index) == 0 ? 12 : 13; }
  constexpr int SlotLength(int index, int slot) const noexcept {
    return (monthBits[index] >> (15 - slot)) & 1 ? 30 : 29;
  }
  // The slot of a month: months after the leap month sit one slot later.
  constexpr int SlotOf(int index, unsigned month, bool leap) const noexcept {
    const int leapMonth = LeapMonthAt(index);
    const bool afterLeap = leapMonth != 0 && (static_cast<int>(month) > leapMonth || leap);
    return static_cast<int>(month) - 1 + (afterLeap ? 1 : 0);
  }
};

constexpr Tables MakeTables(unsigned epochMonth, unsigned epochDay, unsigned month11Days, unsigned month12Days,
                            const std::uint16_t* monthBits, const std::uint8_t* leapMonths,
                            const std::uint8_t* solarTerms) {
  if (epochMonth != 11) throw "the tables begin in month 11 of the lunar year before";  // a compile error
  Tables t{static_cast<int>(epochDay), month11Days, month12Days, monthBits, leapMonths, solarTerms, 0, {}};
  t.firstDayOfLunar1901 = static_cast<int>(month11Days + month12Days) - t.epochDayOfMonth + 1;
  t.yearStart[0] = t.firstDayOfLunar1901;
  for (int i = 0; i < kTableYears; ++i) {
    int days = 0;
    for (int slot = 0; slot < t.MonthSlots(i); ++slot) days += t.SlotLength(i, slot);
    t.yearStart[i + 1] = t.yearStart[i] + days;
  }
  return t;
}

inline constexpr Tables kChina =
    MakeTables(kEpochLunarMonth, kEpochLunarDay, kMonth11DaysBeforeTables, kMonth12DaysBeforeTables,
               LunarMonthBits.data(), LeapMonthTable.data(), SolarTermTable.data());
inline constexpr Tables kKorea =
    MakeTables(korean::kEpochLunarMonth, korean::kEpochLunarDay, korean::kMonth11DaysBeforeTables,
               korean::kMonth12DaysBeforeTables, korean::LunarMonthBits.data(), korean::LeapMonthTable.data(),
               korean::SolarTermTable.data());
inline constexpr Tables kVietnam =
    MakeTables(vietnamese::kEpochLunarMonth, vietnamese::kEpochLunarDay, vietnamese::kMonth11DaysBeforeTables,
               vietnamese::kMonth12DaysBeforeTables, vietnamese::LunarMonthBits.data(),
               vietnamese::LeapMonthTable.data(), vietnamese::SolarTermTable.data());

constexpr const Tables& TablesOf(LunarCalendar calendar) noexcept {
  switch (calendar) {
    case LunarCalendar::China: break;
    case LunarCalendar::Korea: return kKorea;
    case LunarCalendar::Vietnam: return kVietnam;
  }
  return kChina;
}

}  // namespace lunar_detail

// The last day a calendar's tables convert: the last day of their last
// lunar year.
constexpr sys_days LastConvertibleDay(LunarCalendar calendar) noexcept {
  return lunar_detail::Epoch + std::chrono::days{lunar_detail::TablesOf(calendar).yearStart[kTableYears] - 1};
}

// The month that the lunar year's leap month repeats, 0 for none (and for
// years the tables do not hold).
constexpr unsigned LeapMonthOf(int year, LunarCalendar calendar) noexcept {
  using namespace lunar_detail;
  return InTables(year) ? static_cast<unsigned>(TablesOf(calendar).LeapMonthAt(TableIndex(year))) : 0;
}

// Days of the month (29 or 30); the leap copy when `leap` is set. 0 for a
// month the year does not have, or that the tables do not reach. Of lunar
// 1900 the tables hold months 11 and 12, in which they begin.
constexpr unsigned LunarMonthDays(int year, unsigned month, bool leap, LunarCalendar calendar) noexcept {
  using namespace lunar_detail;
  const Tables& t = TablesOf(calendar);
  if (year == kFirstTableYear - 1 && !leap) return month == 11 ? t.month11Days : month == 12 ? t.month12Days : 0;
  if (!InTables(year) || month < 1 || month > 12) return 0;
  const int index = TableIndex(year);
  if (leap && t.LeapMonthAt(index) != static_cast<int>(month)) return 0;
  return static_cast<unsigned>(t.SlotLength(index, t.SlotOf(index, month, leap)));
}

// The lunar date of a day from the tables' first to their last day, nothing
// outside.
constexpr std::optional<LunarDate> ToLunarDate(sys_days date, LunarCalendar calendar) noexcept {
  using namespace lunar_detail;
  const Tables& t = TablesOf(calendar);
  const int n = (date - Epoch).count();
  if (n < 0 || n >= t.yearStart[kTableYears]) return std::nullopt;
  if (n < t.firstDayOfLunar1901) {
    const int daysLeftInMonth11 = static_cast<int>(t.month11Days) - t.epochDayOfMonth + 1;
    if (n < daysLeftInMonth11) return LunarDate{kFirstTableYear - 1, 11, static_cast<unsigned>(n + t.epochDayOfMonth)};
    return LunarDate{kFirstTableYear - 1, 12, static_cast<unsigned>(n - daysLeftInMonth11 + 1)};
  }
  const int index =
      static_cast<int>(std::upper_bound(t.yearStart.begin(), t.yearStart.end(), n) - t.yearStart.begin() - 1);
  const int leapMonth = t.LeapMonthAt(index);
  int remaining = n - t.yearStart[index];  // [0, 384]
  int slot = 0;                            // [0, 12]
  while (remaining >= t.SlotLength(index, slot)) remaining -= t.SlotLength(index, slot++);
  // Slots after the leap month are numbered one less than their position;
  // the leap month itself shares the number of the slot before it.
  const bool afterLeap = leapMonth != 0 && slot >= leapMonth;
  const int month = afterLeap ? slot : slot + 1;
  return LunarDate{kFirstTableYear + index, static_cast<unsigned>(month), static_cast<unsigned>(remaining + 1),
                   leapMonth != 0 && slot == leapMonth};
}

// The Gregorian day of a lunar date, nothing when it is not ok().
constexpr std::optional<sys_days> FromLunarDate(const LunarDate& date, LunarCalendar calendar) noexcept {
  using namespace lunar_detail;
  if (!date.ok(calendar)) return std::nullopt;
  const Tables& t = TablesOf(calendar);
  const auto day = std::chrono::days{date.day};
  if (date.year == kFirstTableYear - 1) {
    const auto month12 = Epoch + std::chrono::days{static_cast<int>(t.month11Days) - t.epochDayOfMonth + 1};
    return date.month == 11 ? Epoch + day - std::chrono::days{t.epochDayOfMonth} : month12 + day - std::chrono::days{1};
  }
  const int index = TableIndex(date.year);
  int n = t.yearStart[index];
  for (int slot = 0; slot < t.SlotOf(index, date.month, date.leap); ++slot) n += t.SlotLength(index, slot);
  return Epoch + std::chrono::days{n} + day - std::chrono::days{1};
}

constexpr bool LunarDate::ok(LunarCalendar calendar) const noexcept {
  const unsigned length = LunarMonthDays(year, month, leap, calendar);
  // The tables begin on day 11 of lunar 1900's month 11.
  const bool beforeTables =
      year == kFirstTableYear - 1 && month == 11 && static_cast<int>(day) < lunar_detail::TablesOf(calendar).epochDayOfMonth;
  return length != 0 && day >= 1 && day <= length && !beforeTables;
}

}  // namespace tessarine
