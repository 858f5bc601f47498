#include "compose/anniversary.h"

#include <gtest/gtest.h>

#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;
using testing::Iso;
using namespace std::chrono;

Anniversary Entry(unsigned month, unsigned day, bool leap = false, std::optional<int> firstYear = {}) {
  return Anniversary{"生日", "x", month, day, leap, firstYear};
}

TEST(AnniversaryTest, TheDayInEachLunarYear) {
  struct Case {
    const char* name;
    Anniversary entry;
    int year;
    sys_days date;
  };
  const Case cases[] = {
      // 2023 has a leap second month (闰二月 starts 2023-03-22).
      {"regular month in a year that repeats it", Entry(2, 1), 2023, Date(2023, 2, 20)},
      {"leap-month date in a year with that leap month", Entry(2, 1, true), 2023, Date(2023, 3, 22)},
      {"leap-month date in a year without it", Entry(2, 1, true), 2024, Date(2024, 3, 10)},
      {"leap-month date, another month's leap year", Entry(4, 15, true), 2023, Date(2023, 6, 2)},
      {"day 30 in a 29-day month falls on the 29th", Entry(1, 30), 2023, Date(2023, 2, 19)},
      {"day 30 in a 30-day month", Entry(2, 30), 2023, Date(2023, 3, 21)},
      {"腊月 of lunar 2025 in January 2026", Entry(12, 23), 2025, Date(2026, 2, 10)},
      {"腊月 of lunar 1900, where the tables begin", Entry(12, 8), 1900, Date(1901, 1, 27)},
  };
  for (const auto& c : cases) {
    const auto date = OccurrenceIn(c.entry, c.year);
    ASSERT_TRUE(date) << c.name;
    EXPECT_EQ(Iso(*date), Iso(c.date)) << c.name;
  }
  EXPECT_FALSE(OccurrenceIn(Entry(1, 1), 1900));
  EXPECT_FALSE(OccurrenceIn(Entry(11, 5), 1900));  // before the tables begin
  EXPECT_FALSE(OccurrenceIn(Entry(1, 1), 2101));
}

// A Korean 제사 or a Vietnamese giỗ repeats by its own country's calendar.
TEST(AnniversaryTest, RepeatsByItsOwnCalendar) {
  struct Case {
    LunarCalendar calendar;
    unsigned month, day;
    bool leap;
    int year;
    sys_days date;
  };
  const Case cases[] = {
      {LunarCalendar::China, 1, 1, false, 2027, Date(2027, 2, 6)},
      {LunarCalendar::Korea, 1, 1, false, 2027, Date(2027, 2, 7)},
      {LunarCalendar::Korea, 3, 3, true, 2012, Date(2012, 4, 23)},  // China's leap month is the 4th
      {LunarCalendar::China, 3, 3, true, 2012, Date(2012, 3, 24)},  // so the regular month
      {LunarCalendar::Vietnam, 1, 1, false, 1985, Date(1985, 1, 21)},
      {LunarCalendar::Vietnam, 1, 1, false, 2030, Date(2030, 2, 2)},
  };
  for (const auto& c : cases) {
    Anniversary entry = Entry(c.month, c.day, c.leap);
    entry.calendar = c.calendar;
    const auto date = OccurrenceIn(entry, c.year);
    ASSERT_TRUE(date) << c.year;
    EXPECT_EQ(Iso(*date), Iso(c.date)) << c.year << " " << static_cast<int>(c.calendar);
  }
}

TEST(AnniversaryTest, SpanTitlesAndCounts) {
  const std::vector<Anniversary> entries = {Entry(12, 23, false, 2020), Entry(1, 1, false, 2026)};
  const auto found = Occurrences(entries, testing::Years(2026, 2026));
  // 腊月廿三 of lunar 2025 falls in February 2026, that of lunar 2026 in 2027
  // and is left out; 春节 of lunar 2025 lies before the entry's first year.
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(Iso(found[0].date), "2026-02-10");
  EXPECT_EQ(found[0].title, "生日 (5)");
  EXPECT_EQ(found[0].lunarYear, 2025);
  EXPECT_EQ(Iso(found[1].date), "2026-02-17");
  EXPECT_EQ(found[1].title, "生日 (0)");  // the first year itself is written
}

TEST(AnniversaryTest, NextOccurrence) {
  struct Case {
    Anniversary entry;
    sys_days from;
    std::optional<sys_days> next;
  };
  const Case cases[] = {
      {Entry(3, 8), Date(2026, 12, 9), Date(2027, 4, 14)},      // this year's is past
      {Entry(3, 8), Date(2026, 4, 24), Date(2026, 4, 24)},      // the day itself
      {Entry(12, 23), Date(2027, 1, 5), Date(2027, 1, 30)},     // 腊月 of the lunar year before
      {Entry(1, 1, false, 2030), Date(2026, 1, 1), Date(2030, 2, 3)},  // from its first year on
      {Entry(1, 1), Date(2100, 12, 31), std::nullopt},          // past the last year
  };
  for (const auto& c : cases) EXPECT_EQ(NextOccurrence(c.entry, c.from), c.next) << Iso(c.from);
}

// A long list's dates are found month by month for all its entries at
// once: every month, leap or not, with its short and long days, in each
// calendar and every year, falls where OccurrenceIn puts it alone.
TEST(AnniversaryTest, EveryMonthOfEveryYearAsOccurrenceInHasIt) {
  std::vector<Anniversary> entries;
  for (const LunarCalendar calendar : {LunarCalendar::China, LunarCalendar::Korea, LunarCalendar::Vietnam}) {
    for (unsigned month = 1; month <= 12; ++month) {
      for (const unsigned day : {1u, 29u, 30u}) {
        for (const bool leap : {false, true}) entries.push_back({"x", "x", month, day, leap, std::nullopt, calendar});
      }
    }
  }
  const auto found = Occurrences(entries, YearRange::All());
  EXPECT_GT(found.size(), entries.size() * 200);  // and lunar 1900's last months in 1901
  for (const Occurrence& o : found) {
    ASSERT_EQ(o.date, OccurrenceIn(entries[o.entry], o.lunarYear)) << Iso(o.date) << " entry " << o.entry << " lunar year " << o.lunarYear;
  }
}

// The first Gregorian year reaches into lunar 1900, and two rows with the
// same name and date keep apart.
TEST(AnniversaryTest, FirstYearAndRepeatedRows) {
  const auto first = Occurrences({Entry(12, 23)}, testing::Years(1901, 1901));
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(Iso(first[0].date), "1901-02-11");
  const std::vector<Anniversary> rows = {Entry(3, 8, false, 1960), Entry(3, 8, false, 1961)};
  ASSERT_EQ(Occurrences(rows, testing::Years(2026, 2026)).size(), 2u);
  const auto keys = OccurrenceKeys(rows);
  EXPECT_NE(keys[0], keys[1]);
}

}  // namespace
}  // namespace tessarine
