#include "calendar/lunar_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "calendar/lunar_names.h"
#include "support/literal_walk.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using testing::LiteralWalk;

using std::chrono::days;
using std::chrono::year;

sys_days Date(int y, unsigned m, unsigned d) {
  return sys_days{year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

class LunarConversionTest : public ::testing::Test {
 protected:
  SummaryOptions options;
  LunarCalendar cal{options};
};

TEST_F(LunarConversionTest, KnownDates) {
  struct Case {
    sys_days date;
    LunarDate lunar;
  };
  const Case cases[] = {
      {Date(1901, 1, 1), {1900, 11, 11}},  {Date(1901, 1, 19), {1900, 11, 29}},
      {Date(1901, 1, 20), {1900, 12, 1}},  {Date(1901, 2, 18), {1900, 12, 30}},
      {Date(1901, 2, 19), {1901, 1, 1}},   {Date(2023, 1, 21), {2022, 12, 30}},
      {Date(2023, 1, 22), {2023, 1, 1}},   {Date(2000, 2, 5), {2000, 1, 1}},
      {Date(2023, 3, 21), {2023, 2, 30}},  {Date(2023, 3, 22), {2023, 2, 1}},
      {Date(2023, 4, 19), {2023, 2, 29}},  {Date(2023, 4, 20), {2023, 3, 1}},
      {Date(2033, 12, 22), {2033, 11, 1}}, {Date(2034, 1, 20), {2033, 12, 1}},
      {Date(1984, 11, 23), {1984, 10, 1}}, {Date(2050, 12, 31), {2050, 11, 18}},
      {Date(2051, 2, 10), {2050, 12, 29}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToLunarDate(cal, c.date), c.lunar) << testing::Iso(c.date);
  }
}

TEST_F(LunarConversionTest, DatesOfLunar1900LeaveTheRecordedLeapMonthAlone) {
  cal.RecordedLeapMonth = 7;
  for (auto date = Date(1901, 1, 1); date < Date(1901, 2, 19); date += days{1}) {
    ToLunarDate(cal, date);
    EXPECT_EQ(cal.RecordedLeapMonth, 7);
  }
}

TEST_F(LunarConversionTest, DatesOutsideTheTablesGiveNothingAndChangeNothing) {
  cal.RecordedLeapMonth = 4;
  for (const auto date : {Date(1900, 12, 31), Date(2051, 2, 11), Date(1600, 1, 1), Date(9999, 12, 31)}) {
    EXPECT_EQ(ToLunarDate(cal, date), LunarDate{});
  }
  EXPECT_EQ(cal.RecordedLeapMonth, 4);
  EXPECT_EQ(LeapMonthOf(1900), 0);
  EXPECT_EQ(LeapMonthOf(2051), 0);
  EXPECT_EQ(LunarMonthLength(cal, 2051, 1), 0u);
  EXPECT_EQ(LunarMonthLength(cal, 2023, 13), 0u);
  EXPECT_EQ(SolarTermIndex(1900, 1, 6), 0);
  EXPECT_EQ(SolarTermIndex(2051, 1, 5), 0);
}

TEST_F(LunarConversionTest, MonthAndYearLengths) {
  EXPECT_EQ(LeapMonthOf(2023), 2);
  EXPECT_EQ(LunarMonthLength(cal, 2023, 1), 29u);
  EXPECT_EQ(cal.RecordedLeapMonth, 0);
  EXPECT_EQ(LunarMonthLength(cal, 2023, 2), 30u + 29u * 65536u);
  EXPECT_EQ(cal.RecordedLeapMonth, 2);
  EXPECT_EQ(LunarMonthLength(cal, 2023, 3), 29u);
  EXPECT_EQ(LunarMonthLength(cal, 1900, 12), 30u);
  const std::pair<int, int> years[] = {{1901, 354}, {1902, 355}, {1903, 383}, {1906, 384}, {2023, 384}};
  for (const auto& [y, length] : years) EXPECT_EQ(LunarYearLength(cal, y), length) << y;
}

TEST_F(LunarConversionTest, SolarTerms) {
  struct Case {
    unsigned month, day;
    int term;
  };
  const Case cases[] = {{1, 5, 1}, {1, 6, 0}, {1, 20, 2}, {2, 4, 3}, {12, 7, 23}, {12, 22, 24}};
  for (const auto& c : cases) EXPECT_EQ(SolarTermIndex(2023, c.month, c.day), c.term);
}

TEST_F(LunarConversionTest, EveryYearHasTwoTermsAMonthAndNoneOnThe15th) {
  for (int y = 1901; y <= 2050; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      int terms = 0;
      for (unsigned d = 1; d <= 31; ++d) {
        if (!std::chrono::year_month_day{year{y} / std::chrono::month{m} / std::chrono::day{d}}.ok()) continue;
        if (const int k = SolarTermIndex(y, m, d); k != 0) {
          EXPECT_EQ(k, d < 15 ? 2 * m - 1 : 2 * m);
          ++terms;
        }
      }
      EXPECT_EQ(terms, 2) << y << "-" << m;
    }
    EXPECT_EQ(SolarTermIndex(y, 6, 15), 0);
  }
}

TEST_F(LunarConversionTest, FastConversionMatchesTheLiteralWalkOnEveryDay) {
  SummaryOptions otherOptions;
  LunarCalendar literal(otherOptions);
  for (auto date = LunarEpoch; date <= LastConvertibleDate; date += days{1}) {
    ASSERT_EQ(ToLunarDate(cal, date), LiteralWalk(literal, date)) << testing::Iso(date);
    ASSERT_EQ(cal.RecordedLeapMonth, literal.RecordedLeapMonth) << testing::Iso(date);
  }
}

TEST_F(LunarConversionTest, FastConversionMatchesTheLiteralWalkFromAnyStartingState) {
  SummaryOptions otherOptions;
  LunarCalendar literal(otherOptions);
  std::mt19937 random(20130106);
  std::uniform_int_distribution<int> day(0, (LastConvertibleDate - LunarEpoch).count());
  for (int i = 0; i < 20000; ++i) {
    const sys_days date = LunarEpoch + days{day(random)};
    cal.RecordedLeapMonth = literal.RecordedLeapMonth = static_cast<int>(random() % 13);
    ASSERT_EQ(ToLunarDate(cal, date), LiteralWalk(literal, date));
    ASSERT_EQ(cal.RecordedLeapMonth, literal.RecordedLeapMonth);
  }
}

// Converting and leap-testing a day; true when the month name would carry 闰.
bool InLeapMonth(LunarCalendar& cal, sys_days date) {
  const LunarDate lunar = ToLunarDate(cal, date);
  UpdateLeapMonthFlag(cal, date, lunar.Month, lunar.Day);
  return lunar.Month == cal.RecordedLeapMonth && cal.LeapMonthFlag == 2;
}

TEST_F(LunarConversionTest, LeapTestOnKnownDays) {
  EXPECT_FALSE(InLeapMonth(cal, Date(2023, 3, 21)));
  EXPECT_EQ(cal.LeapMonthFlag, 0);
  EXPECT_TRUE(InLeapMonth(cal, Date(2023, 3, 22)));
  EXPECT_TRUE(InLeapMonth(cal, Date(2023, 4, 19)));
  EXPECT_FALSE(InLeapMonth(cal, Date(2023, 4, 20)));
  EXPECT_TRUE(InLeapMonth(cal, Date(2033, 12, 22)));
  EXPECT_TRUE(InLeapMonth(cal, Date(1984, 11, 23)));
}

TEST_F(LunarConversionTest, LeapTestRestoresTheRecordedLeapMonth) {
  ToLunarDate(cal, Date(2023, 3, 22));
  cal.RecordedLeapMonth = 2;
  UpdateLeapMonthFlag(cal, Date(2023, 3, 22), 2, 1);
  EXPECT_EQ(cal.RecordedLeapMonth, 2);
  EXPECT_EQ(cal.LeapMonthFlag, 2);
}

TEST_F(LunarConversionTest, LeftoverLeapMonthNeverMakesLunar1900ALeapYear) {
  // 2033 leaves 11 behind; lunar 1900's month 11 must not become 闰冬月.
  EXPECT_TRUE(InLeapMonth(cal, Date(2033, 12, 22)));
  for (auto date = Date(1901, 1, 1); date < Date(1901, 2, 19); date += days{1}) {
    cal.RecordedLeapMonth = 11;
    EXPECT_FALSE(InLeapMonth(cal, date)) << testing::Iso(date);
  }
}

// The days of the 55 leap months, counted from the tables directly.
std::vector<bool> LeapDaysFromTables(LunarCalendar& scratch) {
  std::vector<bool> leap;
  for (auto date = LunarEpoch; date <= LastDescribedDate; date += days{1}) leap.push_back(false);
  int inLeap = 0, leapMonths = 0;
  for (std::uint16_t y = 1901; y <= 2050; ++y) {
    // First day of lunar year y.
    sys_days day = LunarEpoch + days{49};
    for (std::uint16_t earlier = 1901; earlier < y; ++earlier) day += days{LunarYearLength(scratch, earlier)};
    for (std::uint16_t m = 1; m <= 12; ++m) {
      const std::uint32_t both = LunarMonthLength(scratch, y, m);
      day += days{both & 0xFFFF};
      if (both >> 16) {
        ++leapMonths;
        for (unsigned d = 0; d < (both >> 16); ++d, day += days{1}) {
          if (day <= LastDescribedDate) {
            leap[(day - LunarEpoch).count()] = true;
            ++inLeap;
          }
        }
      }
    }
  }
  EXPECT_EQ(leapMonths, 55);
  EXPECT_GT(inLeap, 55 * 29 - 30);
  return leap;
}

TEST_F(LunarConversionTest, LeapPrefixOnExactlyTheLeapMonthsInAnyOrder) {
  SummaryOptions scratchOptions;
  LunarCalendar scratch(scratchOptions);
  const std::vector<bool> expected = LeapDaysFromTables(scratch);

  std::vector<int> order(expected.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  for (const bool shuffled : {false, true}) {
    if (shuffled) std::shuffle(order.begin(), order.end(), std::mt19937(1984));
    for (const int i : order) {
      ASSERT_EQ(InLeapMonth(cal, LunarEpoch + days{i}), expected[i])
          << testing::Iso(LunarEpoch + days{i}) << (shuffled ? " shuffled" : " in order");
    }
  }
}

}  // namespace
}  // namespace tessarine
