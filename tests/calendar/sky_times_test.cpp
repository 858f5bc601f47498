// The moments of the sky against the lunar tables: every term's moment falls
// on the day the tables give it, and every new moon on a first of a month
// but for the month starts the tables set by hand.
#include "calendar/sky_times.h"

#include <gtest/gtest.h>

#include "calendar/iso_date.h"
#include "calendar/solar_terms.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;

constexpr LunarCalendar kCalendars[] = {LunarCalendar::China, LunarCalendar::Korea, LunarCalendar::Vietnam};

TEST(SkyTimesTest, TermsFallOnTheTablesDays) {
  for (const LunarCalendar calendar : kCalendars) {
    for (int year = 1901; year <= 2100; ++year) {
      for (unsigned term = 1; term <= 24; ++term) {
        const auto day = TermDay(year, term, calendar);
        ASSERT_TRUE(day);
        ASSERT_EQ(SolarTermIndex(std::chrono::year_month_day{*day}, calendar), term) << IsoDate(*day);
      }
    }
  }
}

TEST(SkyTimesTest, NewMoonsBeginTheMonths) {
  std::vector<std::string> apart;
  for (const LunarCalendar calendar : kCalendars) {
    const auto phases = MoonPhasesBetween(Date(1901, 1, 1), Date(2100, 12, 31), calendar);
    ASSERT_GT(phases.size(), 9800u);
    for (std::size_t i = 0; i + 1 < phases.size(); ++i) {
      ASSERT_EQ(static_cast<int>(phases[i + 1].phase), (static_cast<int>(phases[i].phase) + 1) % 4);
      const sys_days day{std::chrono::floor<std::chrono::days>(CivilTime(calendar, phases[i].moment)).time_since_epoch()};
      if (phases[i].phase == MoonPhase::New && ToLunarDate(day, calendar)->day != 1) apart.push_back(IsoDate(day));
    }
  }
  // China's month starts set by hand (Beijing's local time of the 1910s;
  // the new moon of 2057 a second before midnight), which Vietnam shares.
  EXPECT_EQ(apart, (std::vector<std::string>{"1914-11-18", "1916-02-04", "1920-11-11", "2057-09-28",
                                             "1914-11-18", "1916-02-04", "1920-11-11"}));
}

TEST(SkyTimesTest, KnownMoments) {
  EXPECT_EQ(CivilTime(LunarCalendar::China, *TermMoment(2026, 3)),
            std::chrono::local_days{std::chrono::year{2026} / 2 / 4} + std::chrono::hours{4} + std::chrono::minutes{2});
  const auto eclipse = MoonPhaseOn(Date(2026, 3, 3), LunarCalendar::China);  // the total lunar eclipse
  ASSERT_TRUE(eclipse);
  EXPECT_EQ(eclipse->phase, MoonPhase::Full);
  EXPECT_FALSE(MoonPhaseOn(Date(2026, 3, 4), LunarCalendar::China));
}

}  // namespace
}  // namespace tessarine
