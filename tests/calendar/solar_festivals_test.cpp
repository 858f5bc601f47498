// The Gregorian festivals' rules: fixed dates, the n-th weekday of a month,
// days counted from Easter, and the years each region keeps a day.
#include "calendar/solar_festivals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "calendar/solar_festival_days.h"
#include "calendar/vocabulary.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using namespace std::chrono;

// The names of the day's festivals in `region`, in `language`, joined by "/".
std::string Named(year_month_day date, Region region, Language language = Language::ZhHans) {
  std::string names;
  for (const SolarFestival f : SolarFestivalsOn(date, region)) {
    if (!names.empty()) names += "/";
    names += VocabularyOf(language).gregorianFestivals[static_cast<std::size_t>(f)];
  }
  return names;
}

TEST(SolarFestivalsTest, TheMainlandsFixedAndFloatingDays) {
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
      // kept from the year their decision or the 办法 names
      {1985, 9, 10, "教师节"},  {1984, 9, 10, ""},        {1949, 10, 1, "国庆节"}, {1948, 10, 1, ""},
  };
  for (const auto& c : cases) {
    const year_month_day date{year{c.year}, month{c.month}, day{c.day}};
    EXPECT_EQ(Named(date, Region::China), c.name) << c.year << "-" << c.month << "-" << c.day;
  }
}

// Hong Kong's Good Friday and Easter Monday follow the Western Easter.
TEST(SolarFestivalsTest, EasterSundayAndTheDaysByIt) {
  const std::pair<int, year_month_day> easters[] = {
      {1901, 1901y / April / 7}, {1961, 1961y / April / 2}, {2000, 2000y / April / 23},
      {2008, 2008y / March / 23}, {2011, 2011y / April / 24}, {2038, 2038y / April / 25},
      {2285, 2285y / March / 22},  // the earliest a Gregorian Easter can be
  };
  for (const auto& [y, easter] : easters) EXPECT_EQ(EasterSunday(year{y}), sys_days{easter}) << y;
  EXPECT_EQ(Named(2026y / April / 3, Region::HongKong, Language::ZhHant), "耶穌受難節");
  EXPECT_EQ(Named(2026y / April / 6, Region::HongKong, Language::ZhHant), "復活節星期一");
  EXPECT_EQ(Named(2026y / April / 5, Region::HongKong, Language::ZhHant), "");
  EXPECT_EQ(Named(2026y / April / 3, Region::China), "");
}

// Every rule of every region falls exactly once in each year it is kept,
// and a weekday rule on its weekday.
TEST(SolarFestivalsTest, EachKeptDayFallsOnceAYear) {
  for (int r = 0; r < kRegionCount; ++r) {
    const auto region = static_cast<Region>(r);
    for (int y = 1901; y <= 2100; y += 7) {
      std::map<SolarFestival, int> count;
      for (sys_days d{year{y} / 1 / 1}; d <= sys_days{year{y} / 12 / 31}; d += days{1}) {
        for (const SolarFestival f : SolarFestivalsOn(year_month_day{d}, region)) {
          ++count[f];
          const weekday expected = f == SolarFestival::Thanksgiving   ? Thursday
                                   : f == SolarFestival::GoodFriday   ? Friday
                                   : f == SolarFestival::EasterMonday ? Monday
                                                                      : Sunday;
          const bool byWeekday = f == SolarFestival::MothersDay || f == SolarFestival::FathersDay ||
                                 f == SolarFestival::Thanksgiving || f == SolarFestival::GoodFriday ||
                                 f == SolarFestival::EasterMonday;
          EXPECT_TRUE(!byWeekday || weekday{d} == expected) << testing::Iso(d);
        }
      }
      for (const SolarFestivalDay& rule : SolarFestivalDaysOf(region)) {
        EXPECT_EQ(count[rule.festival], rule.KeptIn(y) ? 1 : 0) << RegionTag(region) << " " << y << " "
                                                                << static_cast<int>(rule.festival);
      }
    }
  }
}

}  // namespace
}  // namespace tessarine
