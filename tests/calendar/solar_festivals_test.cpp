#include "calendar/solar_festivals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>

namespace tessarine {
namespace {

TEST(NthWeekdayKeyTest, FloatingFestivalRules) {
  struct Case {
    const char *year, *month, *n, *weekday, *key;
  };
  const Case cases[] = {
      {"2013", "5", "2", "0", "0512"},  {"2013", "6", "3", "0", "0616"},  {"2013", "11", "4", "4", "1128"},
      {"2016", "5", "2", "0", "0508"},  {"2014", "6", "3", "0", "0615"},  {"2012", "11", "4", "4", "1122"},
      {"2017", "5", "2", "0", "0514"},  {"2013", "05", "2", "0", "0512"}, {"2013", "x", "2", "0", ""},
      {"year", "5", "2", "0", ""},      {"2013", "5", "5", "0", ""},      {"2013", "5", "2", "7", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NthWeekdayKey(c.year, c.month, c.n, c.weekday), c.key) << c.year << "/" << c.month;
  }
}

TEST(SolarFestivalOfTest, FixedAndFloatingDays) {
  SummaryOptions options;
  LunarCalendar cal(options);
  struct Case {
    const char* year;
    std::uint16_t month, day;
    const char* name;
  };
  // In order: the floating keys must follow the year of each call.
  const Case cases[] = {
      {"2013", 5, 12, "母亲节"}, {"2014", 5, 12, ""},       {"2014", 5, 11, "母亲节"},
      {"2013", 6, 16, "父亲节"}, {"2013", 11, 28, "感恩节"}, {"2013", 5, 20, ""},
      {"2013", 6, 30, ""},       {"2013", 1, 1, "元旦"},     {"2013", 2, 14, "情人节"},
      {"2013", 10, 31, "万圣节"}, {"2013", 12, 24, "平安夜"}, {"2013", 12, 25, "圣诞节"},
      {"2013", 12, 26, ""},      {"not a year", 1, 1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SolarFestivalOf(cal, c.year, c.month, c.day), c.name) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(SolarFestivalOfTest, EveryYearHasEachFloatingFestivalOnce) {
  SummaryOptions options;
  LunarCalendar cal(options);
  using namespace std::chrono;
  for (int y = 1901; y <= 2050; ++y) {
    std::map<std::string, int> count;
    const std::string yearText = std::to_string(y);
    for (sys_days d{year{y} / 1 / 1}; d <= sys_days{year{y} / 12 / 31}; d += days{1}) {
      const year_month_day ymd{d};
      const std::string name = SolarFestivalOf(cal, yearText, static_cast<unsigned>(ymd.month()),
                                               static_cast<unsigned>(ymd.day()));
      if (!name.empty()) {
        ++count[name];
        if (name == "母亲节" || name == "父亲节") {
          EXPECT_EQ(weekday{d}, Sunday);
        }
        if (name == "感恩节") {
          EXPECT_EQ(weekday{d}, Thursday);
        }
      }
    }
    EXPECT_EQ(count.size(), 15u) << y;
    for (const auto& [name, n] : count) EXPECT_EQ(n, 1) << y << " " << name;
  }
}

TEST(WeekdayNamesTest, SundayFirst) {
  using namespace std::chrono;
  EXPECT_EQ(WeekdayNames[weekday{sys_days{2013y / 2 / 10}}.c_encoding()], "日");
  EXPECT_EQ(WeekdayNames[weekday{sys_days{2013y / 2 / 11}}.c_encoding()], "一");
  EXPECT_EQ(WeekdayNames[weekday{sys_days{2013y / 2 / 16}}.c_encoding()], "六");
}

}  // namespace
}  // namespace tessarine
