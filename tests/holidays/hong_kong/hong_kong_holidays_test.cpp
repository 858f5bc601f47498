#include "holidays/hong_kong/hong_kong_holidays.h"

#include <gtest/gtest.h>

#include "holidays/hong_kong/easter.h"
#include "support/dates.h"
#include "support/schedule_days.h"

namespace tessarine {
namespace {

using testing::Date;
using testing::DayOf;
using testing::Iso;

// The weekdays off of each published year, from the gazette's lists and the
// 1823 feed as the research transcribed them.
TEST(HongKongHolidaysTest, PublishedYearsHaveTheirWeekdaysOff) {
  const std::pair<int, const char*> years[] = {
      {2012, "01-02 01-23 01-24 01-25 04-04 04-06 04-09 05-01 07-02 10-01 10-02 10-23 12-25 12-26"},
      {2013, "01-01 02-11 02-12 02-13 03-29 04-01 04-04 05-01 05-17 06-12 07-01 09-20 10-01 10-14 12-25 12-26"},
      {2014, "01-01 01-31 02-03 04-18 04-21 05-01 05-06 06-02 07-01 09-09 10-01 10-02 12-25 12-26"},
      {2015, "01-01 02-19 02-20 04-03 04-06 04-07 05-01 05-25 07-01 09-03 09-28 10-01 10-21 12-25"},
      {2016, "01-01 02-08 02-09 02-10 03-25 03-28 04-04 05-02 06-09 07-01 09-16 10-10 12-26 12-27"},
      {2017, "01-02 01-30 01-31 04-04 04-14 04-17 05-01 05-03 05-30 10-02 10-05 12-25 12-26"},
      {2018, "01-01 02-16 02-19 03-30 04-02 04-05 05-01 05-22 06-18 07-02 09-25 10-01 10-17 12-25 12-26"},
      {2019, "01-01 02-05 02-06 02-07 04-05 04-19 04-22 05-01 05-13 06-07 07-01 10-01 10-07 12-25 12-26"},
      {2020, "01-01 01-27 01-28 04-10 04-13 04-30 05-01 06-25 07-01 10-01 10-02 10-26 12-25"},
      {2021, "01-01 02-12 02-15 04-02 04-05 04-06 05-19 06-14 07-01 09-22 10-01 10-14 12-27"},
      {2022, "02-01 02-02 02-03 04-05 04-15 04-18 05-02 05-09 06-03 07-01 09-12 10-04 12-26 12-27"},
      {2023, "01-02 01-23 01-24 01-25 04-05 04-07 04-10 05-01 05-26 06-22 10-02 10-23 12-25 12-26"},
      {2024, "01-01 02-12 02-13 03-29 04-01 04-04 05-01 05-15 06-10 07-01 09-18 10-01 10-11 12-25 12-26"},
      {2025, "01-01 01-29 01-30 01-31 04-04 04-18 04-21 05-01 05-05 07-01 10-01 10-07 10-29 12-25 12-26"},
      {2026, "01-01 02-17 02-18 02-19 04-03 04-06 04-07 05-01 05-25 06-19 07-01 10-01 10-19 12-25"},
  };
  for (const auto& [year, weekdays] : years) {
    const auto schedule = HongKongHolidaySchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_EQ(testing::WeekdaysOff(*schedule), weekdays) << year;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_EQ(day.kind, HolidayKind::DayOff) << Iso(day.date);
      EXPECT_EQ(day.status, HolidayStatus::Official) << Iso(day.date);
    }
  }
  EXPECT_EQ(HongKongPublishedYears().first(), std::chrono::year{2012});
  EXPECT_EQ(HongKongPublishedYears().last(), std::chrono::year{2026});
}

void ExpectSameDays(const HolidaySchedule& expected, const HolidaySchedule& computed) {
  ASSERT_EQ(computed.days.size(), expected.days.size()) << expected.year;
  for (std::size_t i = 0; i < expected.days.size(); ++i) {
    EXPECT_EQ(Iso(computed.days[i].date), Iso(expected.days[i].date)) << expected.year;
    EXPECT_EQ(computed.days[i].name, expected.days[i].name) << Iso(expected.days[i].date);
  }
}

// The Ordinance's rules, with the published lists switched off, give every
// published year day for day and name for name.
TEST(HongKongHolidaysTest, RulesReproduceThePublishedYears) {
  for (int year = 2012; year <= 2026; ++year) {
    const auto published = HongKongHolidaySchedule(year);
    const auto computed = HongKongRuleSchedule(year);
    ASSERT_TRUE(published && computed) << year;
    ExpectSameDays(*published, *computed);
    for (const HolidayDay& day : computed->days) EXPECT_EQ(day.status, HolidayStatus::Provisional);
  }
}

// The older forms, before 2012-02-24: 2007 as gazetted on 2006-04-07 (a
// copy of the release: 農曆年初一之前一日 for a Sunday New Year), and the
// day of the Mid-Autumn Festival itself when the day following was a
// Sunday (2009).
TEST(HongKongHolidaysTest, RulesBefore2012) {
  HolidaySchedule y2007{2007, {}};
  const std::pair<std::chrono::sys_days, const char*> gazetted[] = {
      {Date(2007, 1, 1), "一月一日"},        {Date(2007, 2, 17), "農曆年初一之前一日"},
      {Date(2007, 2, 19), "農曆年初二"},     {Date(2007, 2, 20), "農曆年初三"},
      {Date(2007, 4, 5), "清明節"},          {Date(2007, 4, 6), "耶穌受難節"},
      {Date(2007, 4, 7), "耶穌受難節翌日"},  {Date(2007, 4, 9), "復活節星期一"},
      {Date(2007, 5, 1), "勞動節"},          {Date(2007, 5, 24), "佛誕"},
      {Date(2007, 6, 19), "端午節"},         {Date(2007, 7, 2), "香港特別行政區成立紀念日翌日"},
      {Date(2007, 9, 26), "中秋節翌日"},     {Date(2007, 10, 1), "國慶日"},
      {Date(2007, 10, 19), "重陽節"},        {Date(2007, 12, 25), "聖誕節"},
      {Date(2007, 12, 26), "聖誕節後第一個周日"},
  };
  for (const auto& [date, name] : gazetted) y2007.days.push_back({date, HolidayKind::DayOff, name});
  const auto computed = HongKongHolidaySchedule(2007);
  ASSERT_TRUE(computed);
  ExpectSameDays(y2007, *computed);

  const auto y2009 = HongKongHolidaySchedule(2009);
  ASSERT_TRUE(y2009);
  EXPECT_EQ(DayOf(*y2009, Date(2009, 10, 3)).value_or(HolidayDay{}).name, "中秋節");
  EXPECT_FALSE(DayOf(*y2009, Date(2009, 10, 5)));
}

// s.6(2) in the years it was applied: Ching Ming's substitute on Easter
// Monday (2015, 2021, 2026), the day following Mid-Autumn on National Day
// (2012); and the 2015 commemoration.
TEST(HongKongHolidaysTest, CoincidingHolidays) {
  const std::pair<std::chrono::sys_days, const char*> cases[] = {
      {Date(2015, 4, 6), "清明節翌日"}, {Date(2015, 4, 7), "復活節星期一翌日"},
      {Date(2021, 4, 5), "清明節翌日"}, {Date(2021, 4, 6), "復活節星期一翌日"},
      {Date(2026, 4, 6), "清明節翌日"}, {Date(2026, 4, 7), "復活節星期一翌日"},
      {Date(2012, 10, 1), "中秋節翌日"}, {Date(2012, 10, 2), "國慶日翌日"},
      {Date(2015, 9, 3), "中國人民抗日戰爭勝利70周年紀念日"},
  };
  for (const auto& [date, name] : cases) {
    const int year = static_cast<int>(std::chrono::year_month_day{date}.year());
    const auto schedule = HongKongRuleSchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_EQ(DayOf(*schedule, date).value_or(HolidayDay{}).name, name) << Iso(date);
  }
}

TEST(HongKongHolidaysTest, EasterSundays) {
  const std::chrono::sys_days easters[] = {
      Date(1818, 3, 22), Date(1943, 4, 25), Date(2000, 4, 23), Date(2008, 3, 23), Date(2011, 4, 24),
      Date(2019, 4, 21), Date(2024, 3, 31), Date(2025, 4, 20), Date(2038, 4, 25), Date(2285, 3, 22),
  };
  for (const auto easter : easters) {
    const int year = static_cast<int>(std::chrono::year_month_day{easter}.year());
    EXPECT_EQ(Iso(hong_kong::EasterSunday(year)), Iso(easter));
  }
}

// Every rule year: 17 to 19 days, in order, within the year, none on a
// Sunday (a holiday on a Sunday is kept on another day); nothing before
// 1999 or after 2100.
TEST(HongKongHolidaysTest, EveryRuleYearIsWellFormed) {
  EXPECT_EQ(HongKongRuleYears().first(), std::chrono::year{1999});
  EXPECT_EQ(HongKongRuleYears().last(), std::chrono::year{2100});
  for (int year = 1999; year <= 2100; ++year) {
    const auto schedule = HongKongHolidaySchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_GE(schedule->days.size(), 17u) << year;
    EXPECT_LE(schedule->days.size(), 19u) << year;
    for (std::size_t i = 0; i < schedule->days.size(); ++i) {
      const HolidayDay& day = schedule->days[i];
      EXPECT_EQ(std::chrono::year_month_day{day.date}.year(), std::chrono::year{year}) << Iso(day.date);
      EXPECT_NE(std::chrono::weekday{day.date}, std::chrono::Sunday) << Iso(day.date);
      if (i > 0) {
        EXPECT_LT(schedule->days[i - 1].date, day.date) << Iso(day.date);
      }
    }
  }
  EXPECT_FALSE(HongKongHolidaySchedule(1998));
  EXPECT_FALSE(HongKongRuleSchedule(2101));
}

}  // namespace
}  // namespace tessarine
