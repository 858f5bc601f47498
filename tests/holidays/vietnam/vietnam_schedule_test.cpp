// Vietnam's announced arrangements of 2023–2026 against the research's
// lists, the Labour Code's counts (Tết 5 days, Quốc khánh 2), the rules
// inside every announced year, and the rules for later years.
#include "holidays/vietnam/vietnam_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "calendar/lunar_date.h"
#include "holidays/working_days.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

std::set<sys_days> Days(int year, const std::string& list) {
  std::set<sys_days> days;
  std::istringstream words(list);
  for (std::string word; words >> word;) {
    days.insert(testing::Date(year, std::stoul(word.substr(0, 2)), std::stoul(word.substr(2, 2))));
  }
  return days;
}

sys_days Lunar(int year, unsigned month, unsigned day) {
  return *FromLunarDate(LunarDate{year, month, day, false}, LunarCalendar::Vietnam);
}

// Days off on a weekday, or Saturdays worked, under `name`.
int Named(const HolidaySchedule& schedule, const std::string& name, HolidayKind kind) {
  return static_cast<int>(std::count_if(schedule.days.begin(), schedule.days.end(), [&](const HolidayDay& d) {
    return d.name == name && d.kind == kind && (kind == HolidayKind::Workday || !IsWeekend(d.date));
  }));
}

// Every weekday off and every Saturday worked, as announced.
TEST(VietnamScheduleTest, EveryAnnouncedYearMatches) {
  const struct {
    int year;
    std::string weekdaysOff, saturdaysWorked;
  } announced[] = {
      {2023, "0102 0120 0123 0124 0125 0126 0501 0502 0503 0901 0904", ""},
      {2024, "0101 0208 0209 0212 0213 0214 0418 0429 0430 0501 0902 0903", "0504"},
      {2025, "0101 0127 0128 0129 0130 0131 0407 0430 0501 0502 0901 0902", "0426"},
      {2026, "0101 0102 0216 0217 0218 0219 0220 0427 0430 0501 0831 0901 0902", "0110 0822"},
  };
  std::vector<int> years;
  for (const auto& a : announced) {
    years.push_back(a.year);
    const auto schedule = PublishedVietnamSchedule(a.year);
    ASSERT_TRUE(schedule) << a.year;
    std::set<sys_days> off, worked, seen;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_TRUE(seen.insert(day.date).second) << testing::Iso(day.date);
      EXPECT_EQ(day.status, HolidayStatus::Official);
      if (day.kind == HolidayKind::Workday) {
        EXPECT_EQ(std::chrono::weekday{day.date}, std::chrono::Saturday) << testing::Iso(day.date);
        worked.insert(day.date);
      } else if (!IsWeekend(day.date)) {
        off.insert(day.date);
      }
    }
    EXPECT_EQ(off, Days(a.year, a.weekdaysOff)) << a.year;
    EXPECT_EQ(worked, Days(a.year, a.saturdaysWorked)) << a.year;
    // Điều 112: Tết 5 days and Quốc khánh 2, their days on a weekend made
    // up, a day swapped in made up by its Saturday.
    EXPECT_EQ(Named(*schedule, "Tết Âm lịch", HolidayKind::DayOff), 5) << a.year;
    const int nationalDay = Named(*schedule, "Quốc khánh", HolidayKind::DayOff);
    EXPECT_EQ(nationalDay - Named(*schedule, "Quốc khánh", HolidayKind::Workday), 2) << a.year;
    // On the Vietnamese calendar: mồng 1 Tết and Giỗ Tổ (10/3) are there.
    EXPECT_TRUE(seen.contains(Lunar(a.year, 1, 1))) << a.year;
    EXPECT_TRUE(std::any_of(schedule->days.begin(), schedule->days.end(), [&](const HolidayDay& d) {
      return d.date == Lunar(a.year, 3, 10) && d.name == "Giỗ Tổ Hùng Vương";
    })) << a.year;
  }
  EXPECT_EQ(PublishedVietnamYears(), years);
  EXPECT_FALSE(PublishedVietnamSchedule(2022));
  EXPECT_FALSE(PublishedVietnamSchedule(2027));
}

// With the tables off, every day the Labour Code fixes is in the announced
// year under the same name; the announcement adds the days the Thủ tướng
// chose (Tết's fifth day and its nghỉ bù, Quốc khánh's second day) and
// swapped days, each with its Saturday worked under the same name.
TEST(VietnamScheduleTest, EveryAnnouncedYearHoldsWhatTheRulesGive) {
  for (const int year : PublishedVietnamYears()) {
    const auto rules = VietnamScheduleFromRules(year);
    const auto published = PublishedVietnamSchedule(year);
    ASSERT_TRUE(rules && published) << year;
    std::map<sys_days, HolidayDay> table;
    for (const HolidayDay& day : published->days) table.emplace(day.date, day);
    std::set<sys_days> ruled;
    for (const HolidayDay& day : rules->days) {
      ruled.insert(day.date);
      const auto found = table.find(day.date);
      ASSERT_NE(found, table.end()) << testing::Iso(day.date) << " " << day.name;
      EXPECT_EQ(found->second.kind, HolidayKind::DayOff) << testing::Iso(day.date);
      EXPECT_EQ(found->second.name, day.name) << testing::Iso(day.date);
    }
    for (const HolidayDay& day : published->days) {
      if (ruled.contains(day.date) || day.kind == HolidayKind::Workday) continue;
      const bool chosen = day.name == "Tết Âm lịch" || day.name == "Quốc khánh";
      const bool swapped = std::any_of(published->days.begin(), published->days.end(), [&](const HolidayDay& d) {
        return d.kind == HolidayKind::Workday && d.name == day.name;
      });
      EXPECT_TRUE(chosen || swapped) << testing::Iso(day.date) << " " << day.name;
    }
  }
}

// Days worked out by hand from the Labour Code for years not announced.
TEST(VietnamScheduleTest, ProvisionalDays) {
  struct Case {
    sys_days date;
    const char* name;  // nullptr: not a day off
  };
  const Case cases[] = {
      // 2027: Tết on Saturday 02-06; 1/5 on Saturday, nghỉ bù Monday 05-03.
      {testing::Date(2027, 1, 1), "Tết Dương lịch"},
      {testing::Date(2027, 2, 5), "Tết Âm lịch"},
      {testing::Date(2027, 2, 8), "Tết Âm lịch"},
      {testing::Date(2027, 2, 9), nullptr},  // the fifth day, and nghỉ bù, are the Thủ tướng's to set
      {testing::Date(2027, 4, 30), "Ngày Chiến thắng"},
      {testing::Date(2027, 5, 1), "Ngày Quốc tế lao động"},
      {testing::Date(2027, 5, 3), "Ngày Quốc tế lao động"},
      {testing::Date(2027, 9, 2), "Quốc khánh"},
      // 2028: 1/1 on Saturday, nghỉ bù Monday 01-03; 30/4 on Sunday, 05-02
      // after 1/5.
      {testing::Date(2028, 1, 3), "Tết Dương lịch"},
      {testing::Date(2028, 5, 2), "Ngày Chiến thắng"},
  };
  for (const auto& c : cases) {
    const auto schedule = VietnamHolidaySchedule(static_cast<int>(std::chrono::year_month_day{c.date}.year()));
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
  for (const int year : {2013, 2022, 2101}) EXPECT_FALSE(VietnamHolidaySchedule(year)) << year;
  EXPECT_FALSE(VietnamScheduleFromRules(2013));
  // Under the Labour Code of 2012, Quốc khánh was one day, made up when on
  // a weekend: Sunday 2018-09-02, Monday 09-03.
  const auto y2018 = VietnamScheduleFromRules(2018);
  ASSERT_TRUE(y2018);
  EXPECT_TRUE(std::any_of(y2018->days.begin(), y2018->days.end(), [](const HolidayDay& d) {
    return d.date == testing::Date(2018, 9, 3) && d.name == "Quốc khánh";
  }));
}

// Every later year: the four fixed days (1/1, Giỗ Tổ, 30/4, 1/5) each give
// one working day off, itself or its nghỉ bù, unless Giỗ Tổ shares a day;
// no day is worked and no day has two entries.
TEST(VietnamScheduleTest, RulesForEveryLaterYear) {
  for (int year = kLastVietnamTableYear + 1; year <= kLastVietnamRuleYear; ++year) {
    const auto schedule = VietnamScheduleFromRules(year);
    ASSERT_TRUE(schedule) << year;
    std::set<sys_days> seen;
    int fixed = 0;
    for (const HolidayDay& day : schedule->days) {
      EXPECT_TRUE(seen.insert(day.date).second) << testing::Iso(day.date);
      EXPECT_EQ(day.kind, HolidayKind::DayOff);
      EXPECT_EQ(static_cast<int>(std::chrono::year_month_day{day.date}.year()), year);
      if (!IsWeekend(day.date) && day.name != "Tết Âm lịch" && day.name != "Quốc khánh") ++fixed;
    }
    const sys_days hungKings = Lunar(year, 3, 10);
    const bool shared = hungKings == testing::Date(year, 4, 30) || hungKings == testing::Date(year, 5, 1);
    EXPECT_EQ(fixed, 4 - shared) << year;
  }
}

}  // namespace
}  // namespace tessarine
