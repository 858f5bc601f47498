// Taiwan's built-in tables against the published 辦公日曆表 as the
// research lists them: every weekday off, every weekend workday and the
// year's total of days off as the 行政院 letters count them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "holidays/taiwan/taiwan_schedule.h"
#include "holidays/working_days.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

// "0102 0127" in `year` as days.
std::set<sys_days> Days(int year, const std::string& list) {
  std::set<sys_days> days;
  std::istringstream words(list);
  for (std::string word; words >> word;) {
    days.insert(testing::Date(year, std::stoul(word.substr(0, 2)), std::stoul(word.substr(2, 2))));
  }
  return days;
}

struct PublishedYear {
  int year;
  std::string weekdaysOff;
  std::string weekendsWorked;
  int daysOff;  // the letter's total; 0 where not found
};

const PublishedYear kPublished[] = {
    {2017, "0102 0127 0130 0131 0201 0227 0228 0403 0404 0529 0530 1004 1009 1010", "0218 0603 0930", 0},
    {2018, "0101 0215 0216 0219 0220 0228 0404 0405 0406 0618 0924 1010 1231", "0331 1222", 115},
    {2019, "0101 0204 0205 0206 0207 0208 0228 0301 0404 0405 0607 0913 1010 1011", "0119 0223 1005", 115},
    {2020, "0101 0123 0124 0127 0128 0129 0228 0402 0403 0625 0626 1001 1002 1009", "0215 0620 0926", 115},
    {2021, "0101 0210 0211 0212 0215 0216 0301 0402 0405 0614 0920 0921 1011 1231", "0220 0911", 116},
    {2022, "0131 0201 0202 0203 0204 0228 0404 0405 0603 0909 1010", "0122", 115},
    {2023, "0102 0120 0123 0124 0125 0126 0127 0227 0228 0403 0404 0405 0622 0623 0929 1009 1010",
     "0107 0204 0218 0325 0617 0923", 116},
    {2024, "0101 0208 0209 0212 0213 0214 0228 0404 0405 0610 0917 1010", "0217", 115},
    {2025, "0101 0127 0128 0129 0130 0131 0228 0403 0404 0530 0929 1006 1010 1024 1225", "0208", 118},
    {2026, "0101 0216 0217 0218 0219 0220 0227 0403 0406 0501 0619 0925 0928 1009 1026 1225", "", 120},
    {2027, "0101 0204 0205 0208 0209 0210 0301 0405 0406 0430 0609 0915 0928 1011 1025 1224 1231", "", 121},
};

int WeekendDays(int year) {
  int count = 0;
  const sys_days end{std::chrono::year{year + 1} / 1 / 1};
  for (sys_days day{std::chrono::year{year} / 1 / 1}; day < end; day += std::chrono::days{1}) count += IsWeekend(day);
  return count;
}

TEST(TaiwanPublishedDaysTest, EveryWeekdayOffAndWeekendWorkedMatches) {
  std::vector<int> years;
  for (const auto& published : kPublished) {
    years.push_back(published.year);
    const auto schedule = PublishedTaiwanSchedule(published.year);
    ASSERT_TRUE(schedule) << published.year;
    EXPECT_EQ(schedule->year, published.year);
    std::set<sys_days> weekdaysOff, worked, seen;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_TRUE(seen.insert(day.date).second) << testing::Iso(day.date);
      EXPECT_EQ(static_cast<int>(std::chrono::year_month_day{day.date}.year()), published.year);
      EXPECT_EQ(day.status, HolidayStatus::Official);
      EXPECT_FALSE(day.name.empty()) << testing::Iso(day.date);
      if (day.kind == HolidayKind::Workday) {
        EXPECT_TRUE(IsWeekend(day.date)) << testing::Iso(day.date);
        worked.insert(day.date);
      } else if (!IsWeekend(day.date)) {
        weekdaysOff.insert(day.date);
      }
    }
    EXPECT_TRUE(std::is_sorted(schedule->days.begin(), schedule->days.end(),
                               [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; }));
    EXPECT_EQ(weekdaysOff, Days(published.year, published.weekdaysOff)) << published.year;
    EXPECT_EQ(worked, Days(published.year, published.weekendsWorked)) << published.year;
    if (published.daysOff != 0) {
      const int total =
          WeekendDays(published.year) - static_cast<int>(worked.size()) + static_cast<int>(weekdaysOff.size());
      EXPECT_EQ(total, published.daysOff) << published.year;
    }
  }
  EXPECT_EQ(PublishedTaiwanYears(), years);
  EXPECT_FALSE(PublishedTaiwanSchedule(2016));
  EXPECT_FALSE(PublishedTaiwanSchedule(2028));
}

// Names as the 備註 writes them, the weekend holidays the CSV names
// included.
TEST(TaiwanPublishedDaysTest, NamesAsTheTableWritesThem) {
  struct Case {
    sys_days date;
    HolidayKind kind;
    std::string name;
  };
  const Case cases[] = {
      {testing::Date(2017, 1, 1), HolidayKind::DayOff, "開國紀念日"},  // a Sunday
      {testing::Date(2018, 3, 31), HolidayKind::Workday, "調整上班"},
      {testing::Date(2020, 4, 3), HolidayKind::DayOff, "放假"},
      {testing::Date(2020, 4, 4), HolidayKind::DayOff, "兒童節及民族掃墓節"},
      {testing::Date(2021, 2, 20), HolidayKind::Workday, "補行上班"},
      {testing::Date(2023, 1, 20), HolidayKind::DayOff, "小年夜"},
      {testing::Date(2025, 9, 28), HolidayKind::DayOff, "孔子誕辰紀念日"},
      {testing::Date(2025, 9, 29), HolidayKind::DayOff, "補假"},
      {testing::Date(2026, 4, 5), HolidayKind::DayOff, "清明節"},
      {testing::Date(2026, 9, 28), HolidayKind::DayOff, "孔子誕辰紀念日/教師節"},
      {testing::Date(2027, 10, 25), HolidayKind::DayOff, "臺灣光復暨金門古寧頭大捷紀念日"},
  };
  for (const auto& c : cases) {
    const auto schedule = PublishedTaiwanSchedule(static_cast<int>(std::chrono::year_month_day{c.date}.year()));
    ASSERT_TRUE(schedule);
    const auto day = std::find_if(schedule->days.begin(), schedule->days.end(),
                                  [&](const HolidayDay& d) { return d.date == c.date; });
    ASSERT_NE(day, schedule->days.end()) << testing::Iso(c.date);
    EXPECT_EQ(day->kind, c.kind) << testing::Iso(c.date);
    EXPECT_EQ(day->name, c.name) << testing::Iso(c.date);
  }
}

// The published tables, then the rules for later years, then nothing: a
// year before the tables is not computed, for its 補班 are not known.
TEST(TaiwanPublishedDaysTest, WhichSourceAnswersEachYear) {
  for (const int year : {2017, 2025, 2027}) {
    EXPECT_EQ(TaiwanHolidaySchedule(year), PublishedTaiwanSchedule(year)) << year;
  }
  for (const int year : {2028, 2050, 2100}) {
    const auto schedule = TaiwanHolidaySchedule(year);
    ASSERT_TRUE(schedule) << year;
    EXPECT_EQ(schedule, TaiwanScheduleFromRules(year)) << year;
    EXPECT_TRUE(std::all_of(schedule->days.begin(), schedule->days.end(),
                            [](const HolidayDay& d) { return d.status == HolidayStatus::Provisional; }));
  }
  for (const int year : {1999, 2015, 2016, 2101}) EXPECT_FALSE(TaiwanHolidaySchedule(year)) << year;
  EXPECT_FALSE(TaiwanScheduleFromRules(2014));
  EXPECT_FALSE(TaiwanScheduleFromRules(2101));
}

}  // namespace
}  // namespace tessarine
