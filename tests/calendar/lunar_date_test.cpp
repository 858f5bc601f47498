#include "calendar/lunar_date.h"

#include <gtest/gtest.h>

#include "support/dates.h"
#include "support/literal_walk.h"

namespace tessarine {
namespace {

using std::chrono::days;
using testing::Date;
using testing::Iso;

TEST(LunarDateTest, KnownDates) {
  struct Case {
    sys_days date;
    LunarDate lunar;
  };
  const Case cases[] = {
      {Date(1901, 1, 1), {1900, 11, 11, false}},  {Date(1901, 1, 19), {1900, 11, 29, false}},
      {Date(1901, 1, 20), {1900, 12, 1, false}},  {Date(1901, 2, 18), {1900, 12, 30, false}},
      {Date(1901, 2, 19), {1901, 1, 1, false}},   {Date(2023, 1, 21), {2022, 12, 30, false}},
      {Date(2023, 1, 22), {2023, 1, 1, false}},   {Date(2000, 2, 5), {2000, 1, 1, false}},
      {Date(2023, 3, 21), {2023, 2, 30, false}},  {Date(2023, 3, 22), {2023, 2, 1, true}},
      {Date(2023, 4, 19), {2023, 2, 29, true}},   {Date(2023, 4, 20), {2023, 3, 1, false}},
      {Date(2033, 12, 22), {2033, 11, 1, true}},  {Date(2034, 1, 20), {2033, 12, 1, false}},
      {Date(1984, 11, 23), {1984, 10, 1, true}},  {Date(2050, 12, 31), {2050, 11, 18, false}},
      {Date(2051, 2, 10), {2050, 12, 29, false}}, {Date(2051, 2, 11), {2051, 1, 1, false}},
      {Date(2100, 12, 31), {2100, 12, 1, false}}, {Date(2101, 1, 28), {2100, 12, 29, false}},
  };
  for (const auto& c : cases) EXPECT_EQ(ToLunarDate(c.date, LunarCalendar::China), c.lunar) << Iso(c.date);
}

TEST(LunarDateTest, DatesOutsideTheTablesHaveNoLunarDate) {
  for (const auto date : {Date(1900, 12, 31), Date(2101, 1, 29), Date(1600, 1, 1), Date(9999, 12, 31)}) {
    EXPECT_FALSE(ToLunarDate(date, LunarCalendar::China)) << Iso(date);
  }
}

TEST(LunarDateTest, MonthLengthsAndLeapMonths) {
  struct Case {
    int year;
    unsigned month;
    bool leap;
    unsigned days;
  };
  const Case cases[] = {
      {2023, 1, false, 29}, {2023, 2, false, 30}, {2023, 2, true, 29}, {2023, 3, false, 29},
      {2023, 3, true, 0},   {2024, 2, true, 0},   {1900, 12, false, 30}, {1900, 11, false, 29},
      {1900, 10, false, 0}, {2101, 1, false, 0},
      {2023, 13, false, 0}, {2023, 0, false, 0},  {2033, 11, true, 29},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LunarMonthDays(c.year, c.month, c.leap, LunarCalendar::China), c.days) << c.year << "-" << c.month << (c.leap ? "L" : "");
  }
  EXPECT_EQ(LeapMonthOf(2023, LunarCalendar::China), 2u);
  EXPECT_EQ(LeapMonthOf(2024, LunarCalendar::China), 0u);
  EXPECT_EQ(LeapMonthOf(1900, LunarCalendar::China), 0u);
  EXPECT_EQ(LeapMonthOf(2101, LunarCalendar::China), 0u);
}

// The walk and the tables agree on the date and the leap flag of every day.
TEST(LunarDateTest, ConversionMatchesTheLiteralWalkOnEveryDay) {
  int leapDays = 0;
  for (auto date = Date(1901, 1, 1); date <= LastConvertibleDay(LunarCalendar::China); date += days{1}) {
    const auto lunar = ToLunarDate(date, LunarCalendar::China);
    ASSERT_TRUE(lunar) << Iso(date);
    ASSERT_EQ(*lunar, testing::LiteralWalk(date)) << Iso(date);
    leapDays += lunar->leap;
  }
  EXPECT_GT(leapDays, 73 * 29 - 1);
  EXPECT_LT(leapDays, 73 * 30 + 1);
}

TEST(LunarDateTest, FromLunarDateInvertsTheConversion) {
  for (auto date = Date(1901, 1, 1); date <= LastConvertibleDay(LunarCalendar::China); date += days{1}) {
    ASSERT_EQ(FromLunarDate(*ToLunarDate(date, LunarCalendar::China), LunarCalendar::China), date) << Iso(date);
  }
}

TEST(LunarDateTest, FromLunarDateRefusesDaysThatDoNotExist) {
  const LunarDate missing[] = {
      {2024, 2, 1, true},   // 2024 has no leap month
      {2023, 3, 1, true},   // 2023's leap month is the second
      {2023, 1, 30, false},  // its first month has 29 days
      {2023, 1, 0, false},  {2023, 13, 1, false}, {2101, 1, 1, false},
      {1900, 11, 10, false},  // the day before the tables begin
      {1900, 10, 1, false},
  };
  for (const auto& lunar : missing) {
    EXPECT_FALSE(lunar.ok(LunarCalendar::China)) << lunar.year << "-" << lunar.month;
    EXPECT_FALSE(FromLunarDate(lunar, LunarCalendar::China)) << lunar.year << "-" << lunar.month;
  }
}

// Conversion is a constant expression: a few Spring Festivals, and the
// first and last days the tables reach, are checked by the compiler.
static_assert(FromLunarDate({1901, 1, 1}, LunarCalendar::China) == Date(1901, 2, 19));
static_assert(FromLunarDate({1949, 1, 1}, LunarCalendar::China) == Date(1949, 1, 29));
static_assert(FromLunarDate({2000, 1, 1}, LunarCalendar::China) == Date(2000, 2, 5));
static_assert(FromLunarDate({2026, 1, 1}, LunarCalendar::China) == Date(2026, 2, 17));
static_assert(FromLunarDate({2050, 1, 1}, LunarCalendar::China) == Date(2050, 1, 23));
static_assert(FromLunarDate({2100, 1, 1}, LunarCalendar::China) == Date(2100, 2, 9));
static_assert(ToLunarDate(Date(2024, 2, 10), LunarCalendar::China) == LunarDate{2024, 1, 1});
static_assert(ToLunarDate(Date(1901, 1, 1), LunarCalendar::China) == LunarDate{1900, 11, 11});
static_assert(ToLunarDate(Date(1901, 1, 20), LunarCalendar::China) == LunarDate{1900, 12, 1});
static_assert(!ToLunarDate(LastConvertibleDay(LunarCalendar::China) + days{1}, LunarCalendar::China));

TEST(LunarDateTest, CalendarOrderPutsALeapMonthAfterTheMonthItRepeats) {
  const LunarDate ordered[] = {{2022, 12, 30}, {2023, 2, 30}, {2023, 2, 1, true}, {2023, 2, 29, true}, {2023, 3, 1}};
  for (std::size_t i = 1; i < std::size(ordered); ++i) {
    EXPECT_LT(ordered[i - 1], ordered[i]) << i;
    EXPECT_LT(*FromLunarDate(ordered[i - 1], LunarCalendar::China), *FromLunarDate(ordered[i], LunarCalendar::China)) << i;
  }
}

}  // namespace
}  // namespace tessarine
