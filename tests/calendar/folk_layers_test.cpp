// 干支, 三伏 and 数九: the rules' edges by known days, and every day of
// 1901-2100 walked in order against the rules as an almanac states them.
#include "calendar/folk_layers.h"

#include <gtest/gtest.h>

#include <vector>

#include "calendar/solar_terms.h"
#include "calendar/year_range.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::days;
using testing::Date;

constexpr auto China = LunarCalendar::China;

TEST(FolkLayersTest, EdgesOfTheRules) {
  struct Case {
    const char* what;
    sys_days day;
    std::optional<PeriodDay> dogDays, nineNines;
  };
  const Case cases[] = {
      {"夏至 1958-06-22 is a 庚 day and counts: 初伏 20 days later", Date(1958, 7, 12), PeriodDay{1, 1}, {}},
      {"the day before it", Date(1958, 7, 11), {}, {}},
      {"立秋 1949-08-08 is a 庚 day and begins 末伏", Date(1949, 8, 8), PeriodDay{3, 1}, {}},
      {"2024: 中伏 of 20 days", Date(2024, 8, 13), PeriodDay{2, 20}, {}},
      {"2024: 末伏", Date(2024, 8, 14), PeriodDay{3, 1}, {}},
      {"2024: out of 三伏", Date(2024, 8, 24), {}, {}},
      {"2025: 中伏 of 10 days", Date(2025, 8, 9), PeriodDay{3, 1}, {}},
      {"冬至 1951-12-23, a second after midnight, begins 一九", Date(1951, 12, 23), {}, PeriodDay{1, 1}},
      {"the day before 冬至 1951", Date(1951, 12, 22), {}, {}},
      {"三九第4天", Date(2026, 1, 11), {}, PeriodDay{3, 4}},
      {"九九's last day, 80 days after 冬至 2025", Date(2026, 3, 11), {}, PeriodDay{9, 9}},
      {"the day after it", Date(2026, 3, 12), {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DogDaysOn(c.day, China), c.dogDays) << c.what;
    EXPECT_EQ(NineNinesOn(c.day, China), c.nineNines) << c.what;
  }
}

TEST(FolkLayersTest, GanzhiOfDayMonthAndYear) {
  EXPECT_EQ(DayCycle(Date(1949, 10, 1)), 0u);   // 甲子
  EXPECT_EQ(DayCycle(Date(2000, 1, 1)), 54u);   // 戊午
  // 节 just after midnight: the day of 惊蛰 2014 (00:02) is 丁卯 month, its eve 丙寅.
  EXPECT_EQ(MonthCycle(Date(2014, 3, 6), China), 3u);
  EXPECT_EQ(MonthCycle(Date(2014, 3, 5), China), 2u);
  EXPECT_EQ(MonthCycle(Date(1917, 12, 8), China), 48u);  // 壬子, 大雪 at 00:01
  EXPECT_EQ(MonthCycle(Date(1917, 12, 7), China), 47u);  // 辛亥
  EXPECT_EQ(MonthCycle(Date(1901, 1, 1), China), 24u);   // 庚子 year's 戊子 month, before the first 小寒
  EXPECT_EQ(SolarYear(Date(2026, 2, 3), China), 2025);   // 立春 2026 is 02-04
  EXPECT_EQ(SolarYear(Date(2026, 2, 4), China), 2026);
}

// Every day in order: the day's cycle steps by one; the month's steps on the
// days of the twelve 节 and only then; 三伏 starts on the third 庚 day
// counting from 夏至 and 末伏 on the first 庚 day from 立秋; 数九 counts 81
// days from 冬至.
TEST(FolkLayersTest, EveryDayFollowsTheRules) {
  std::optional<PeriodDay> dog, nine;
  int gengSinceXiaZhi = -1;  // -1 until 夏至
  bool afterLiQiu = false;
  unsigned month = MonthCycle(Date(1901, 1, 1), China);
  for (auto day = Date(1901, 1, 1); day <= Date(2100, 12, 31); day += days{1}) {
    const unsigned term = SolarTermIndex(std::chrono::year_month_day{day}, LunarCalendar::China);
    const bool geng = DayCycle(day) % 10 == 6;
    ASSERT_EQ(DayCycle(day), (DayCycle(day - days{1}) + 1) % 60);
    if (term % 2 == 1) month = (month + 1) % 60;
    ASSERT_EQ(MonthCycle(day, China), month) << testing::Iso(day);

    if (term == 12) gengSinceXiaZhi = 0, afterLiQiu = false;
    if (term == 15) afterLiQiu = true;
    if (gengSinceXiaZhi >= 0 && geng) ++gengSinceXiaZhi;
    if (dog) dog = PeriodDay{dog->period, dog->day + 1};
    if (geng && gengSinceXiaZhi == 3 && !afterLiQiu) dog = PeriodDay{1, 1};
    if (dog && dog->period == 1 && dog->day == 11) dog = PeriodDay{2, 1};
    if (dog && geng && afterLiQiu && dog->period == 2) dog = PeriodDay{3, 1}, gengSinceXiaZhi = -1;
    if (dog && dog->period == 3 && dog->day == 11) dog.reset();
    ASSERT_EQ(DogDaysOn(day, China), dog) << testing::Iso(day);
    if (dog && dog->period == 2) {
      ASSERT_LE(dog->day, 20u) << testing::Iso(day);
    }

    if (nine) nine = nine->day == 9 ? PeriodDay{nine->period + 1, 1} : PeriodDay{nine->period, nine->day + 1};
    if (nine && nine->period == 10) nine.reset();
    if (term == 24) nine = PeriodDay{1, 1};
    if (day >= Date(1901, 4, 1)) {  // from the first 冬至 the walk has seen on
      ASSERT_EQ(NineNinesOn(day, China), nine) << testing::Iso(day);
    }
  }
}

// 초복, 중복 and 말복 on the Korean calendar's terms (KST): as KASI's
// 월력요항 published them (2013, 2014, 2017-2021, 2024, and 2033 as the
// press foretold it), the rest as computed from KASI's rule in the research
// notes; 2012 and 2014 are the years 말복 falls on 입추, a 庚 day, 2014's in
// the evening; 2019's 하지 is itself a 庚 day and counts.
TEST(FolkLayersTest, KoreasSambokDays) {
  struct Case {
    int year;
    sys_days chobok, jungbok, malbok;
  };
  const Case cases[] = {
      {2012, Date(2012, 7, 18), Date(2012, 7, 28), Date(2012, 8, 7)},
      {2013, Date(2013, 7, 13), Date(2013, 7, 23), Date(2013, 8, 12)},
      {2014, Date(2014, 7, 18), Date(2014, 7, 28), Date(2014, 8, 7)},
      {2017, Date(2017, 7, 12), Date(2017, 7, 22), Date(2017, 8, 11)},
      {2018, Date(2018, 7, 17), Date(2018, 7, 27), Date(2018, 8, 16)},
      {2019, Date(2019, 7, 12), Date(2019, 7, 22), Date(2019, 8, 11)},
      {2020, Date(2020, 7, 16), Date(2020, 7, 26), Date(2020, 8, 15)},
      {2021, Date(2021, 7, 11), Date(2021, 7, 21), Date(2021, 8, 10)},
      {2023, Date(2023, 7, 11), Date(2023, 7, 21), Date(2023, 8, 10)},
      {2024, Date(2024, 7, 15), Date(2024, 7, 25), Date(2024, 8, 14)},
      {2026, Date(2026, 7, 15), Date(2026, 7, 25), Date(2026, 8, 14)},
      {2029, Date(2029, 7, 19), Date(2029, 7, 29), Date(2029, 8, 8)},
      {2033, Date(2033, 7, 18), Date(2033, 7, 28), Date(2033, 8, 7)},
  };
  constexpr auto Korea = LunarCalendar::Korea;
  for (const Case& c : cases) {
    std::vector<sys_days> marked;
    for (auto day = Date(c.year, 6, 1); day <= Date(c.year, 9, 30); day += days{1}) {
      const DayAlmanac almanac = GetDayAlmanac(day, SolarTermIndex(std::chrono::year_month_day{day}, Korea), Korea,
                                               Region::Korea);
      EXPECT_FALSE(almanac.nineNines);
      if (!almanac.dogDays) continue;
      EXPECT_EQ(almanac.dogDays->day, 1u) << testing::Iso(day);
      EXPECT_EQ(almanac.dogDays->period, marked.size() + 1) << testing::Iso(day);
      marked.push_back(day);
    }
    EXPECT_EQ(marked, (std::vector<sys_days>{c.chobok, c.jungbok, c.malbok})) << c.year;
  }
}

// Which layers each region's almanac prints: the mainland counts both,
// Korea marks 三伏's first days, no region but the mainland counts 数九.
TEST(FolkLayersTest, LayersByRegion) {
  struct Case {
    Region region;
    sys_days day;
    std::optional<PeriodDay> dogDays, nineNines;
  };
  const Case cases[] = {
      {Region::China, Date(2026, 7, 25), PeriodDay{2, 1}, {}},  {Region::China, Date(2026, 7, 26), PeriodDay{2, 2}, {}},
      {Region::China, Date(2026, 1, 11), {}, PeriodDay{3, 4}},  {Region::Taiwan, Date(2026, 7, 26), PeriodDay{2, 2}, {}},
      {Region::Taiwan, Date(2026, 1, 11), {}, {}},             {Region::HongKong, Date(2026, 1, 11), {}, {}},
      {Region::Vietnam, Date(2026, 7, 26), PeriodDay{2, 2}, {}}, {Region::Vietnam, Date(2026, 1, 11), {}, {}},
      {Region::Korea, Date(2026, 7, 25), PeriodDay{2, 1}, {}},  {Region::Korea, Date(2026, 7, 26), {}, {}},
      {Region::Korea, Date(2026, 1, 11), {}, {}},
  };
  for (const Case& c : cases) {
    const DayAlmanac almanac = GetDayAlmanac(c.day, 0, CalendarOf(c.region), c.region);
    EXPECT_EQ(almanac.dogDays, c.dogDays) << RegionTag(c.region) << " " << testing::Iso(c.day);
    EXPECT_EQ(almanac.nineNines, c.nineNines) << RegionTag(c.region) << " " << testing::Iso(c.day);
  }
  EXPECT_EQ(FolkLayersOf(Region::Korea).dogDays, DogDaysStyle::FirstDays);
  EXPECT_EQ(FolkLayersOf(Region::China).dogDays, DogDaysStyle::Counted);
}

}  // namespace
}  // namespace tessarine
