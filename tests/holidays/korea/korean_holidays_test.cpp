#include "holidays/korea/korean_holidays.h"

#include <gtest/gtest.h>

#include "support/dates.h"
#include "support/schedule_days.h"

namespace tessarine {
namespace {

using testing::Date;
using testing::DayOf;
using testing::Iso;

// The weekdays off of each published year, as the research transcribed the
// 월력요항 (and the days set after it): Korea has no make-up workdays.
TEST(KoreanHolidaysTest, PublishedYearsHaveTheirWeekdaysOff) {
  const std::pair<int, const char*> years[] = {
      {2018, "01-01 02-15 02-16 03-01 05-07 05-22 06-06 06-13 08-15 09-24 09-25 09-26 10-03 10-09 12-25"},
      {2019, "01-01 02-04 02-05 02-06 03-01 05-06 06-06 08-15 09-12 09-13 10-03 10-09 12-25"},
      {2020, "01-01 01-24 01-27 04-15 04-30 05-05 08-17 09-30 10-01 10-02 10-09 12-25"},
      {2021, "01-01 02-11 02-12 03-01 05-05 05-19 08-16 09-20 09-21 09-22 10-04 10-11"},
      {2022, "01-31 02-01 02-02 03-01 03-09 05-05 06-01 06-06 08-15 09-09 09-12 10-03 10-10"},
      {2023, "01-23 01-24 03-01 05-05 05-29 06-06 08-15 09-28 09-29 10-02 10-03 10-09 12-25"},
      {2024, "01-01 02-09 02-12 03-01 04-10 05-06 05-15 06-06 08-15 09-16 09-17 09-18 10-01 10-03 10-09 12-25"},
      {2025, "01-01 01-27 01-28 01-29 01-30 03-03 05-05 05-06 06-03 06-06 08-15 10-03 10-06 10-07 10-08 10-09 12-25"},
      {2026, "01-01 02-16 02-17 02-18 03-02 05-01 05-05 05-25 06-03 07-17 08-17 09-24 09-25 10-05 10-09 12-25"},
      {2027, "01-01 02-08 02-09 03-01 05-03 05-05 05-13 07-19 08-16 09-14 09-15 09-16 10-04 10-11 12-27"},
  };
  for (const auto& [year, weekdays] : years) {
    const auto schedule = KoreanHolidaySchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_EQ(testing::WeekdaysOff(*schedule), weekdays) << year;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_EQ(day.kind, HolidayKind::DayOff) << Iso(day.date);
      EXPECT_EQ(day.status, HolidayStatus::Official) << Iso(day.date);
    }
  }
  EXPECT_EQ(KoreanPublishedYears().first(), std::chrono::year{2018});
  EXPECT_EQ(KoreanPublishedYears().last(), std::chrono::year{2027});
}

// The rules, with the published lists switched off, give every published
// year day for day and name for name.
TEST(KoreanHolidaysTest, RulesReproduceThePublishedYears) {
  for (int year = 2018; year <= 2027; ++year) {
    const auto published = KoreanHolidaySchedule(year);
    const auto computed = KoreanRuleSchedule(year);
    ASSERT_TRUE(published && computed) << year;
    ASSERT_EQ(computed->days.size(), published->days.size()) << year;
    for (std::size_t i = 0; i < published->days.size(); ++i) {
      const HolidayDay& p = published->days[i];
      const HolidayDay& c = computed->days[i];
      EXPECT_EQ(Iso(c.date), Iso(p.date)) << year;
      EXPECT_EQ(c.name, p.name) << Iso(p.date);
      EXPECT_EQ(c.status, HolidayStatus::Provisional) << Iso(p.date);
    }
  }
}

// The issue's examples: 설날 2027 on the Korean calendar (a day after
// China's), its Saturday and Sunday inside the break, one substitute;
// 한글날's substitute; and mainland China's 国庆 not a day off in Korea.
TEST(KoreanHolidaysTest, IssueExamples) {
  const auto y2027 = KoreanHolidaySchedule(2027);
  ASSERT_TRUE(y2027);
  const std::pair<std::chrono::sys_days, const char*> off[] = {
      {Date(2027, 2, 6), "설날 전날"}, {Date(2027, 2, 7), "설날"}, {Date(2027, 2, 8), "설날 다음 날"},
      {Date(2027, 2, 9), "대체공휴일(설날)"}, {Date(2027, 10, 11), "대체공휴일(한글날)"},
  };
  for (const auto& [date, name] : off) {
    const auto day = DayOf(*y2027, date);
    ASSERT_TRUE(day) << Iso(date);
    EXPECT_EQ(day->name, name);
    EXPECT_EQ(day->kind, HolidayKind::DayOff);
  }
  EXPECT_FALSE(DayOf(*y2027, Date(2027, 2, 5)));
  EXPECT_FALSE(DayOf(*y2027, Date(2027, 2, 10)));
  const auto y2026 = KoreanHolidaySchedule(2026);
  ASSERT_TRUE(y2026);
  EXPECT_FALSE(DayOf(*y2026, Date(2026, 10, 1)));
  EXPECT_TRUE(DayOf(*y2026, Date(2026, 9, 25)));  // 추석
  EXPECT_FALSE(DayOf(*y2026, Date(2026, 9, 28)));  // its Saturday gives nothing
}

// Each item of 제2조 and each class of 제3조 in and out of force, on days
// outside the published years (rules alone).
TEST(KoreanHolidaysTest, EachEraStartsAndEnds) {
  const std::pair<std::chrono::sys_days, const char*> cases[] = {
      {Date(1998, 1, 2), "1월 2일"},         {Date(1999, 1, 2), nullptr},
      {Date(2005, 4, 5), "식목일"},          {Date(2006, 4, 5), nullptr},
      {Date(2007, 7, 17), "제헌절"},         {Date(2008, 7, 17), nullptr},
      {Date(2025, 7, 17), nullptr},          {Date(2031, 7, 17), "제헌절"},
      {Date(1991, 10, 9), nullptr},          {Date(2012, 10, 9), nullptr},
      {Date(2013, 10, 9), "한글날"},         {Date(1991, 10, 1), nullptr},  // 국군의 날, off the list from 1991
      {Date(2029, 5, 1), "노동절"},          {Date(2017, 5, 3), "석가탄신일"},
      // 대체공휴일: none before the 2013 revision (설날 2013 took a Sunday);
      // 추석 2014 gave the first; 부처님 오신 날 only from 2023-05-04, 국경일
      // only from 2021-08-04.
      {Date(2013, 2, 11), "설날 다음 날"},   {Date(2013, 2, 12), nullptr},
      {Date(2014, 9, 10), "대체공휴일(추석)"}, {Date(2019, 5, 13), nullptr},
      {Date(2017, 1, 30), "대체공휴일(설날)"}, {Date(2020, 3, 2), nullptr},
      // 추석 on 개천절, a weekday: one substitute, named after the lunar holiday.
      {Date(2017, 10, 6), "대체공휴일(추석)"}, {Date(2028, 10, 3), "개천절, 추석"},
      {Date(2028, 10, 5), "대체공휴일(추석)"}, {Date(2028, 10, 6), nullptr},
      // 성탄절 on a Sunday, from 2023: the Monday.
      {Date(2033, 12, 26), "대체공휴일(기독탄신일)"},
  };
  for (const auto& [date, name] : cases) {
    const int year = static_cast<int>(std::chrono::year_month_day{date}.year());
    const auto schedule = KoreanRuleSchedule(year);
    ASSERT_TRUE(schedule) << year;
    const auto day = DayOf(*schedule, date);
    if (name == nullptr) {
      EXPECT_FALSE(day) << Iso(date) << " " << (day ? day->name : "");
    } else {
      ASSERT_TRUE(day) << Iso(date);
      EXPECT_EQ(day->name, name) << Iso(date);
    }
  }
}

// Every rule year: days in order within the year, both lunar breaks whole,
// and every substitute on a weekday; nothing before 1991 or after 2100.
TEST(KoreanHolidaysTest, EveryRuleYearIsWellFormed) {
  EXPECT_EQ(KoreanRuleYears().first(), std::chrono::year{1991});
  EXPECT_EQ(KoreanRuleYears().last(), std::chrono::year{2100});
  for (int year = 1991; year <= 2100; ++year) {
    const auto schedule = KoreanHolidaySchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_EQ(schedule->year, year);
    int lunarBreakDays = 0;
    for (std::size_t i = 0; i < schedule->days.size(); ++i) {
      const HolidayDay& day = schedule->days[i];
      EXPECT_EQ(std::chrono::year_month_day{day.date}.year(), std::chrono::year{year}) << Iso(day.date);
      if (i > 0) {
        EXPECT_LT(schedule->days[i - 1].date, day.date) << Iso(day.date);
      }
      if (day.name.find("설날") == 0 || day.name.find("추석") != std::string::npos) ++lunarBreakDays;
      if (day.name.starts_with("대체공휴일")) {
        const std::chrono::weekday w{day.date};
        EXPECT_TRUE(w != std::chrono::Saturday && w != std::chrono::Sunday) << Iso(day.date);
      }
      if (year < 2018 || year > 2027) {
        EXPECT_EQ(day.status, HolidayStatus::Provisional) << Iso(day.date);
      }
    }
    EXPECT_GE(lunarBreakDays, 6) << year;
  }
  EXPECT_FALSE(KoreanHolidaySchedule(1990));
  EXPECT_FALSE(KoreanRuleSchedule(1990));
  EXPECT_FALSE(KoreanHolidaySchedule(2101));
}

}  // namespace
}  // namespace tessarine
