// Compile-time checks of the tables' shape, and of the days where the three
// calendars are known to part; the conversion itself is constexpr and lives
// in the header.
#include "calendar/lunar_date.h"

namespace tessarine::lunar_detail {
namespace {

using std::chrono::year;

constexpr int YearLength(int y) { return kChina.yearStart[TableIndex(y) + 1] - kChina.yearStart[TableIndex(y)]; }
static_assert(YearLength(1901) == 354);
static_assert(YearLength(1903) == 383);
static_assert(YearLength(2023) == 384);

// Lunar years from `first` to `last` with a leap month.
constexpr int LeapYears(int first, int last) {
  int years = 0;
  for (int y = first; y <= last; ++y) years += kChina.LeapMonthAt(TableIndex(y)) != 0;
  return years;
}
static_assert(LeapYears(1901, 2100) == 73, "73 lunar years of 1901-2100 have a leap month");
static_assert(LeapYears(1901, 2050) == 55, "55 of them lie in 1901-2050");
static_assert(kChina.LeapMonthAt(TableIndex(2033)) == 11, "2033 repeats month 11");
static_assert(LastConvertibleDay(LunarCalendar::China) == sys_days{year{2101} / 1 / 28}, "the tables end with lunar 2100 on 2101-01-28");

constexpr bool NewYearIs(LunarCalendar calendar, int y, unsigned month, unsigned day) {
  return FromLunarDate({y, 1, 1}, calendar) == sys_days{year{y} / month / day};
}
static_assert(ToLunarDate(sys_days{year{2012} / 4 / 23}, LunarCalendar::Korea) == LunarDate{2012, 3, 3, true},
              "2012-04-23 is leap 3/3 in Korea, where China's leap month is the 4th");
static_assert(LeapMonthOf(2012, LunarCalendar::China) == 4 && LeapMonthOf(2012, LunarCalendar::Korea) == 3);
static_assert(NewYearIs(LunarCalendar::Korea, 2027, 2, 7) && NewYearIs(LunarCalendar::China, 2027, 2, 6),
              "Seollal 2027 is a day after the Spring Festival");
static_assert(NewYearIs(LunarCalendar::Vietnam, 1985, 1, 21), "Tết 1985 came a month before the Spring Festival");
static_assert(NewYearIs(LunarCalendar::Vietnam, 2030, 2, 2) && NewYearIs(LunarCalendar::China, 2030, 2, 3),
              "Tết 2030 is a day before the Spring Festival");

}  // namespace
}  // namespace tessarine::lunar_detail
