#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using std::chrono::year_month_day;

year_month_day Ymd(int y, unsigned m, unsigned d) {
  return {std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
}

TEST(SolarTermsTest, KnownDays) {
  struct Case {
    unsigned month, day, term;
  };
  const Case cases[] = {{1, 5, 1}, {1, 6, 0}, {1, 20, 2}, {2, 4, 3}, {12, 7, 23}, {12, 22, 24}};
  for (const auto& c : cases) EXPECT_EQ(SolarTermIndex(Ymd(2023, c.month, c.day)), c.term);
  EXPECT_EQ(SolarTermIndex(Ymd(1900, 1, 6)), 0u);
  EXPECT_EQ(SolarTermIndex(Ymd(2051, 1, 5)), 0u);
  EXPECT_EQ(SolarTermNames[0], "小寒");
  EXPECT_EQ(SolarTermNames[23], "冬至");
}

TEST(SolarTermsTest, EveryYearHasTwoTermsAMonthAndNoneOnThe15th) {
  for (int y = 1901; y <= 2050; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      int terms = 0;
      for (unsigned d = 1; d <= 31; ++d) {
        if (!Ymd(y, m, d).ok()) continue;
        if (const unsigned k = SolarTermIndex(Ymd(y, m, d)); k != 0) {
          EXPECT_EQ(k, d < 15 ? 2 * m - 1 : 2 * m);
          ++terms;
        }
      }
      EXPECT_EQ(terms, 2) << y << "-" << m;
    }
    EXPECT_EQ(SolarTermIndex(Ymd(y, 6, 15)), 0u);
  }
}

}  // namespace
}  // namespace tessarine
