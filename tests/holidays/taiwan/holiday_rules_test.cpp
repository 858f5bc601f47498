// Taiwan's rules with the tables switched off: they give the published
// tables of the 條例's years exactly, every statutory day and 補假 of the
// years before, and in later years one working day off for each of the
// law's sixteen days off.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "calendar/lunar_date.h"
#include "holidays/taiwan/taiwan_schedule.h"
#include "holidays/working_days.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

std::map<sys_days, HolidayDay> ByDate(const HolidaySchedule& schedule) {
  std::map<sys_days, HolidayDay> days;
  for (const HolidayDay& day : schedule.days) EXPECT_TRUE(days.emplace(day.date, day).second) << testing::Iso(day.date);
  return days;
}

// Since the 2025-06-13 處理要點 no table moves a day or sets a 補班: the
// rules give the table, names and all.
TEST(TaiwanRulesTest, RulesGiveTheTablesOfTheStatute) {
  for (const int year : {2026, 2027}) {
    const auto rules = TaiwanScheduleFromRules(year);
    auto published = PublishedTaiwanSchedule(year);
    ASSERT_TRUE(rules && published) << year;
    for (HolidayDay& day : published->days) day.status = HolidayStatus::Provisional;
    EXPECT_EQ(*rules, *published) << year;
  }
}

// Before, the tables add 調整放假 days (小年夜 among them, from 2020) and
// their 補班 Saturdays to what the law gives; every day the rules give is
// in the table, as a day off.
TEST(TaiwanRulesTest, EveryTableHoldsWhatTheRulesGive) {
  for (int year = kFirstTaiwanTableYear; year <= 2025; ++year) {
    const auto rules = TaiwanScheduleFromRules(year);
    const auto published = PublishedTaiwanSchedule(year);
    ASSERT_TRUE(rules && published) << year;
    const auto table = ByDate(*published);
    const auto ruled = ByDate(*rules);
    for (const auto& [date, day] : ruled) {
      const auto found = table.find(date);
      ASSERT_NE(found, table.end()) << testing::Iso(date) << " " << day.name;
      EXPECT_EQ(found->second.kind, HolidayKind::DayOff) << testing::Iso(date);
    }
    for (const auto& [date, day] : table) {
      if (ruled.contains(date)) continue;
      const bool moved = day.kind == HolidayKind::DayOff && (day.name == "調整放假" || day.name == "小年夜");
      EXPECT_TRUE(moved || day.kind == HolidayKind::Workday) << testing::Iso(date) << " " << day.name;
    }
  }
}

// The law's days off in the 條例's years (第4條, 第6條): 開國紀念日, 小年夜,
// 農曆除夕, 春節 three days, 和平紀念日, 兒童節, 清明節, 勞動節, 端午節,
// 中秋節, 孔子誕辰紀念日, 國慶日, 臺灣光復暨金門古寧頭大捷紀念日,
// 行憲紀念日: sixteen. Each gives one working day off, itself or its 補假 —
// but 1-1 on a Saturday gives 12-31 of the year before, and 中秋節 on 9-28
// (2042, 2080) shares the day, and its 補假 when on a weekend.
TEST(TaiwanRulesTest, EachDayOffOfTheLawGivesOneWorkingDay) {
  for (int year = kLastTaiwanTableYear + 1; year <= kLastTaiwanRuleYear; ++year) {
    const auto schedule = TaiwanScheduleFromRules(year);
    ASSERT_TRUE(schedule) << year;
    int weekdaysOff = 0;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_EQ(day.kind, HolidayKind::DayOff) << testing::Iso(day.date);  // never a 補班
      EXPECT_EQ(day.status, HolidayStatus::Provisional);
      if (IsWeekend(day.date)) {
        EXPECT_NE(day.name, "補假") << testing::Iso(day.date);
      } else {
        ++weekdaysOff;
      }
    }
    const bool newYearOnSaturday = std::chrono::weekday{testing::Date(year, 1, 1)} == std::chrono::Saturday;
    const bool nextOnSaturday = std::chrono::weekday{testing::Date(year + 1, 1, 1)} == std::chrono::Saturday;
    const auto midAutumn = FromLunarDate(LunarDate{year, 8, 15, false}, LunarCalendar::China);
    const bool shared = midAutumn == testing::Date(year, 9, 28);
    EXPECT_EQ(weekdaysOff, 16 - newYearOnSaturday + nextOnSaturday - shared) << year;
    ByDate(*schedule);  // one entry a day
  }
}

// Days worked out by hand from the law for years no table covers yet.
TEST(TaiwanRulesTest, ProvisionalDays) {
  struct Case {
    sys_days date;
    const char* name;  // nullptr: not a day off
  };
  const Case cases[] = {
      // 2028: 清明 on Tuesday 4-4, so 兒童節 is the day before.
      {testing::Date(2028, 1, 24), "小年夜"},
      {testing::Date(2028, 4, 3), "補假"},
      {testing::Date(2028, 4, 4), "兒童節及清明節"},
      {testing::Date(2028, 4, 5), nullptr},
      {testing::Date(2028, 5, 1), "勞動節"},
      {testing::Date(2028, 9, 28), "孔子誕辰紀念日/教師節"},
      // 2029: 和平紀念日 on Wednesday; 1-1 on Monday.
      {testing::Date(2029, 1, 1), "開國紀念日"},
      {testing::Date(2029, 2, 28), "和平紀念日"},
      // 2033: 1-1 on Saturday, made up on Friday 2032-12-31.
      {testing::Date(2032, 12, 31), "補假"},
      {testing::Date(2033, 1, 1), "開國紀念日"},
  };
  for (const auto& c : cases) {
    const auto schedule = TaiwanHolidaySchedule(static_cast<int>(std::chrono::year_month_day{c.date}.year()));
    ASSERT_TRUE(schedule);
    const auto day = std::find_if(schedule->days.begin(), schedule->days.end(),
                                  [&](const HolidayDay& d) { return d.date == c.date; });
    if (c.name == nullptr) {
      EXPECT_EQ(day, schedule->days.end()) << testing::Iso(c.date);
      continue;
    }
    ASSERT_NE(day, schedule->days.end()) << testing::Iso(c.date);
    EXPECT_EQ(day->name, c.name) << testing::Iso(c.date);
    EXPECT_EQ(day->status, HolidayStatus::Provisional);
  }
}

}  // namespace
}  // namespace tessarine
