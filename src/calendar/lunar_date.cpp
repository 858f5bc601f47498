// Compile-time checks of the tables' shape; the conversion itself is
// constexpr and lives in the header.
#include "calendar/lunar_date.h"

namespace tessarine::lunar_detail {

static_assert(YearLengthAt(TableIndex(1901)) == 354);
static_assert(YearLengthAt(TableIndex(1903)) == 383);
static_assert(YearLengthAt(TableIndex(2023)) == 384);

// Lunar years from `first` to `last` with a leap month.
constexpr int LeapYears(int first, int last) {
  int years = 0;
  for (int year = first; year <= last; ++year) years += LeapMonthAt(TableIndex(year)) != 0;
  return years;
}
static_assert(LeapYears(1901, 2100) == 73, "73 lunar years of 1901-2100 have a leap month");
static_assert(LeapYears(1901, 2050) == 55, "55 of them lie in 1901-2050");
static_assert(LeapMonthAt(TableIndex(2033)) == 11, "2033 repeats month 11");
static_assert(LastConvertibleDate == sys_days{std::chrono::year{2101} / 1 / 28},
              "the tables end with lunar 2100 on 2101-01-28");

}  // namespace tessarine::lunar_detail
