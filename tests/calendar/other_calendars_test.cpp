// The Korean and Vietnamese calendars, computed by the same generator from
// the same sky at their own countries' clocks, part from the Chinese one
// exactly where they are known to.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/day_info.h"
#include "calendar/iso_date.h"
#include "calendar/lunar_date.h"
#include "calendar/solar_terms.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using namespace std::chrono;

// The new years of 1901-2100 on which `calendar` differs from China's, as
// "YYYY-MM-DD" of its own.
std::vector<std::string> NewYearsApart(LunarCalendar calendar) {
  std::vector<std::string> apart;
  for (int y = 1901; y <= 2100; ++y) {
    const auto own = FromLunarDate({y, 1, 1}, calendar);
    if (own != FromLunarDate({y, 1, 1}, LunarCalendar::China)) apart.push_back(IsoDate(*own));
  }
  return apart;
}

TEST(OtherCalendarsTest, NewYearsWhereTheyPartFromChina) {
  // Seollal a day after the Spring Festival, in 12 years.
  EXPECT_EQ(NewYearsApart(LunarCalendar::Korea),
            (std::vector<std::string>{"1916-02-04", "1944-01-26", "1954-02-04", "1958-02-19", "1966-01-22",
                                      "1988-02-18", "1997-02-08", "2027-02-07", "2028-01-27", "2061-01-22",
                                      "2089-02-11", "2092-02-08"}));
  // Tết: the North's 1968 at UTC+7, 1985 a month early, and a day early since.
  EXPECT_EQ(NewYearsApart(LunarCalendar::Vietnam),
            (std::vector<std::string>{"1968-01-29", "1969-02-16", "1985-01-21", "2007-02-17", "2030-02-02",
                                      "2053-02-18"}));
}

TEST(OtherCalendarsTest, EveryDayConvertsBothWays) {
  for (const LunarCalendar calendar : {LunarCalendar::Korea, LunarCalendar::Vietnam}) {
    int termDays = 0;
    for (auto date = testing::Date(1901, 1, 1); date <= LastConvertibleDay(calendar); date += days{1}) {
      const auto lunar = ToLunarDate(date, calendar);
      ASSERT_TRUE(lunar && FromLunarDate(*lunar, calendar) == date) << IsoDate(date);
      termDays += year_month_day{date}.year() <= year{2100} && SolarTermIndex(year_month_day{date}, calendar) != 0;
    }
    EXPECT_EQ(termDays, 200 * 24);
  }
}

// A walk from day to day, as a year file makes, describes every day exactly
// as looking it up does, across months, leap months, years and the ends of
// the described range, in every region (Korea's solstice days among them)
// and in a region read by another's calendar.
TEST(DayInfoTest, TheWalkAgreesWithTheLookupOnEveryDay) {
  struct Walk {
    LunarCalendar calendar;
    Region region;
  };
  const Walk walks[] = {{LunarCalendar::China, Region::China},     {LunarCalendar::China, Region::Taiwan},
                        {LunarCalendar::China, Region::HongKong},  {LunarCalendar::Korea, Region::Korea},
                        {LunarCalendar::Vietnam, Region::Vietnam}, {LunarCalendar::China, Region::Korea}};
  for (const Walk& w : walks) {
    DayInfo walked = GetDayInfo(testing::Date(1900, 12, 30), w.calendar, w.region);
    for (auto date = walked.date; date <= testing::Date(2101, 1, 2); date += days{1}) {
      ASSERT_EQ(walked, GetDayInfo(date, w.calendar, w.region)) << IsoDate(date) << " " << RegionTag(w.region);
      walked = NextDayInfo(walked);
    }
  }
}

// Every month of the Korean calendar to 2049 as KASI publishes it: each
// year's first day, its leap month and the length of every month.
TEST(OtherCalendarsTest, KoreaAgreesWithKasiTo2049) {
  std::ifstream table(TESSARINE_KASI_TABLE);
  std::string line;
  int years = 0;
  while (std::getline(table, line)) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    std::string newYear, lengths, leapLength;
    unsigned leap = 0;
    fields >> newYear >> leap >> lengths >> leapLength;
    const int y = std::stoi(newYear.substr(0, 4));
    ASSERT_EQ(IsoDate(*FromLunarDate({y, 1, 1}, LunarCalendar::Korea)), newYear);
    EXPECT_EQ(LeapMonthOf(y, LunarCalendar::Korea), leap) << y;
    for (unsigned m = 1; m <= 12; ++m) {
      EXPECT_EQ(LunarMonthDays(y, m, false, LunarCalendar::Korea), lengths[m - 1] == 'L' ? 30u : 29u) << y << "/" << m;
    }
    if (leap != 0) {
      EXPECT_EQ(LunarMonthDays(y, leap, true, LunarCalendar::Korea), leapLength == "L" ? 30u : 29u) << y;
    }
    ++years;
  }
  EXPECT_EQ(years, 149);
}

}  // namespace
}  // namespace tessarine
