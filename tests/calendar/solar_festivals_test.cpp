#include "calendar/solar_festivals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>

namespace tessarine {
namespace {

TEST(SolarFestivalOfTest, FixedAndFloatingDays) {
  struct Case {
    int year;
    unsigned month, day;
    const char* name;
  };
  const Case cases[] = {
      {2013, 5, 12, "母亲节"},  {2014, 5, 12, ""},        {2014, 5, 11, "母亲节"}, {2016, 5, 8, "母亲节"},
      {2013, 6, 16, "父亲节"},  {2014, 6, 15, "父亲节"},  {2013, 11, 28, "感恩节"}, {2012, 11, 22, "感恩节"},
      {2013, 5, 20, ""},        {2013, 6, 30, ""},        {2013, 1, 1, "元旦"},    {2013, 2, 14, "情人节"},
      {2013, 10, 31, "万圣节"}, {2013, 12, 24, "平安夜"}, {2013, 12, 25, "圣诞节"}, {2013, 12, 26, ""},
      {2013, 2, 30, ""},
  };
  for (const auto& c : cases) {
    const std::chrono::year_month_day date{std::chrono::year{c.year}, std::chrono::month{c.month},
                                           std::chrono::day{c.day}};
    EXPECT_EQ(SolarFestivalOf(date), c.name) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(SolarFestivalOfTest, EveryYearHasEachFloatingFestivalOnce) {
  using namespace std::chrono;
  for (int y = 1901; y <= 2050; ++y) {
    std::map<std::string, int> count;
    for (sys_days d{year{y} / 1 / 1}; d <= sys_days{year{y} / 12 / 31}; d += days{1}) {
      const std::string name(SolarFestivalOf(year_month_day{d}));
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

}  // namespace
}  // namespace tessarine
