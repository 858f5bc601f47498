// Compile-time checks of the tables' shape; the conversion itself is
// constexpr and lives in the header.
#include "calendar/lunar_date.h"

namespace tessarine::lunar_detail {

static_assert(YearLengthAt(TableIndex(1901)) == 354);
static_assert(YearLengthAt(TableIndex(1903)) == 383);
static_assert(YearLengthAt(TableIndex(2023)) == 384);
static_assert(
    [] {
      int years = 0;
      for (int i = 0; i < kTableYears; ++i) years += LeapMonthAt(i) != 0;
      return years;
    }() == 55,
    "55 lunar years of 1901-2050 have a leap month");
static_assert(LastConvertibleDate == sys_days{std::chrono::year{2051} / 2 / 10},
              "the tables end with lunar 2050 on 2051-02-10");

}  // namespace tessarine::lunar_detail
