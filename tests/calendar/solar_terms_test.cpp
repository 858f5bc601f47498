#include "calendar/solar_terms.h"
#include "calendar/vocabulary.h"

#include <gtest/gtest.h>

#include "calendar/year_range.h"

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
  for (const auto& c : cases) EXPECT_EQ(SolarTermIndex(Ymd(2023, c.month, c.day), LunarCalendar::China), c.term);
  EXPECT_EQ(SolarTermIndex(Ymd(1900, 1, 6), LunarCalendar::China), 0u);
  EXPECT_EQ(SolarTermIndex(Ymd(2101, 1, 5), LunarCalendar::China), 0u);
  EXPECT_EQ(VocabularyOf(Language::ZhHans).terms[0], "小寒");
  EXPECT_EQ(VocabularyOf(Language::ZhHans).terms[23], "冬至");
}

// Seventeen terms that the calendar's first table put a day off, corrected
// before the tables were computed from the sky and confirmed by it, each
// with the day that table gave: the term is on its day and on neither
// neighbour.
TEST(SolarTermsTest, CorrectedDays) {
  struct Case {
    int year;
    const char* term;
    unsigned month, oldDay, day;
  };
  const Case cases[] = {
      {1904, "寒露", 10, 8, 9},  {1929, "寒露", 10, 8, 9},  {1929, "小雪", 11, 22, 23}, {1949, "处暑", 8, 24, 23},
      {1954, "霜降", 10, 23, 24}, {1962, "大寒", 1, 21, 20},  {1973, "雨水", 2, 20, 19},  {1976, "处暑", 8, 24, 23},
      {1977, "立夏", 5, 6, 5},    {1981, "立冬", 11, 8, 7},   {1991, "立夏", 5, 7, 6},    {1995, "处暑", 8, 21, 23},
      {2033, "大暑", 7, 23, 22},  {2034, "立秋", 8, 8, 7},    {2049, "清明", 4, 5, 4},    {2049, "谷雨", 4, 20, 19},
      {2050, "白露", 9, 8, 7},
  };
  for (const auto& c : cases) {
    const unsigned term = SolarTermIndex(Ymd(c.year, c.month, c.day), LunarCalendar::China);
    ASSERT_NE(term, 0u) << c.year << " " << c.term;
    EXPECT_EQ(VocabularyOf(Language::ZhHans).terms[term - 1], c.term) << c.year;
    EXPECT_EQ(SolarTermIndex(Ymd(c.year, c.month, c.day - 1), LunarCalendar::China), 0u) << c.year << " " << c.term;
    EXPECT_EQ(SolarTermIndex(Ymd(c.year, c.month, c.day + 1), LunarCalendar::China), 0u) << c.year << " " << c.term;
    EXPECT_EQ(SolarTermIndex(Ymd(c.year, c.month, c.oldDay), LunarCalendar::China), 0u) << c.year << " " << c.term;
  }
}

TEST(SolarTermsTest, EveryYearHasTwoTermsAMonthAndNoneOnThe15th) {
  for (int y = kFirstTableYear; y <= kLastTableYear; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      int terms = 0;
      for (unsigned d = 1; d <= 31; ++d) {
        if (!Ymd(y, m, d).ok()) continue;
        if (const unsigned k = SolarTermIndex(Ymd(y, m, d), LunarCalendar::China); k != 0) {
          EXPECT_EQ(k, d < 15 ? 2 * m - 1 : 2 * m);
          ++terms;
        }
      }
      EXPECT_EQ(terms, 2) << y << "-" << m;
    }
    EXPECT_EQ(SolarTermIndex(Ymd(y, 6, 15), LunarCalendar::China), 0u);
  }
}

}  // namespace
}  // namespace tessarine
