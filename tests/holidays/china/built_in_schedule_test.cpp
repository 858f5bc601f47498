#include "holidays/china/built_in_schedule.h"

#include <gtest/gtest.h>

#include <set>

#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::weekday;

// Each year against its notice: the days off add up to the notice's 共N天
// (with the later changes of 2015, 2019 and 2020), every make-up workday
// is a weekend day, and no day is both.
TEST(OfficialHolidaysTest, EveryYearAgreesWithItsNotice) {
  const std::pair<int, int> daysOff[] = {
      {2008, 29}, {2009, 27}, {2010, 29}, {2011, 29}, {2012, 27}, {2013, 29}, {2014, 22},
      {2015, 26}, {2016, 24}, {2017, 24}, {2018, 23}, {2019, 24}, {2020, 30}, {2021, 31},
      {2022, 31}, {2023, 27}, {2024, 28}, {2025, 28}, {2026, 33},
  };
  std::vector<int> years;
  for (const auto& [year, count] : daysOff) {
    years.push_back(year);
    const auto schedule = BuiltInHolidaySchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_EQ(DaysOffIn(*schedule), count) << year;
    std::set<std::chrono::sys_days> seen;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_TRUE(seen.insert(day.date).second) << testing::Iso(day.date);
      if (day.kind == HolidayKind::Workday) {
        const weekday w{day.date};
        EXPECT_TRUE(w == std::chrono::Saturday || w == std::chrono::Sunday) << testing::Iso(day.date);
      }
    }
  }
  EXPECT_EQ(BuiltInHolidayYears(), years);
  EXPECT_FALSE(BuiltInHolidaySchedule(2007));
  EXPECT_FALSE(BuiltInHolidaySchedule(2027));  // never guessed
}

TEST(OfficialHolidaysTest, KnownDays) {
  struct Case {
    int year;
    std::chrono::sys_days date;
    HolidayKind kind;
    std::string name;
  };
  const Case cases[] = {
      {2008, testing::Date(2007, 12, 29), HolidayKind::Workday, "元旦"},
      {2008, testing::Date(2008, 5, 2), HolidayKind::DayOff, "“五一”国际劳动节"},
      {2014, testing::Date(2014, 4, 7), HolidayKind::DayOff, "清明节"},
      {2015, testing::Date(2015, 9, 3), HolidayKind::DayOff, "抗战胜利70周年纪念日"},
      {2020, testing::Date(2020, 2, 2), HolidayKind::DayOff, "春节"},
      {2023, testing::Date(2022, 12, 31), HolidayKind::DayOff, "元旦"},
      {2026, testing::Date(2026, 2, 28), HolidayKind::Workday, "春节"},
  };
  for (const auto& c : cases) {
    const auto schedule = BuiltInHolidaySchedule(c.year);
    ASSERT_TRUE(schedule);
    const auto day = std::find_if(schedule->days.begin(), schedule->days.end(),
                                  [&](const HolidayDay& d) { return d.date == c.date; });
    ASSERT_NE(day, schedule->days.end()) << testing::Iso(c.date);
    EXPECT_EQ(day->kind, c.kind) << testing::Iso(c.date);
    EXPECT_EQ(day->name, c.name) << testing::Iso(c.date);
  }
  // The 2014 清明 weekend between the day off and its 补休 is not marked.
  const auto y2014 = BuiltInHolidaySchedule(2014);
  EXPECT_TRUE(std::none_of(y2014->days.begin(), y2014->days.end(),
                           [](const HolidayDay& d) { return d.date == testing::Date(2014, 4, 6); }));
}

}  // namespace
}  // namespace tessarine
