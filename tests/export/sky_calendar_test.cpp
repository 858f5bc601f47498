// The calendars of the sky's moments, read back by libical: each event on its
// civil date, titled with its civil time, its UTC moment in DESCRIPTION.
#include "export/sky_calendar.h"

#include <gtest/gtest.h>

#include "export/year_calendar.h"

#include "support/dates.h"
#include "support/generated_file.h"
#include "support/ical_check.h"

namespace tessarine {
namespace {

using namespace std::chrono;

const local_seconds kMoment = local_days{2026y / 12 / 9} + 9h;

TEST(SkyCalendarTest, MoonAndTermFiles) {
  struct Case {
    SkyKind kind;
    LunarCalendar calendar;
    Language language;
    std::size_t events;
    const char* day;
    const char* title;
    const char* utc;
  };
  const Case cases[] = {
      {SkyKind::MoonPhases, LunarCalendar::China, Language::ZhHans, 50, "20260303", "满月 19:38", "2026-03-03T11:38Z"},
      {SkyKind::SolarTerms, LunarCalendar::China, Language::ZhHans, 24, "20260204", "立春 04:02", "2026-02-03T20:02Z"},
      {SkyKind::SolarTerms, LunarCalendar::Korea, Language::Korean, 24, "20260204", "입춘 05:02", "2026-02-03T20:02Z"},
      {SkyKind::MoonPhases, LunarCalendar::Vietnam, Language::Vietnamese, 50, "20260303", "Trăng tròn 18:38",
       "2026-03-03T11:38Z"},
  };
  for (const auto& c : cases) {
    const YearRange year = testing::Years(2026, 2026);
    const std::string file = testing::GeneratedFile(SkyEventsRequest{c.kind, year, c.calendar, c.language}, kMoment);
    const auto titles = testing::ParseCalendar(file);
    EXPECT_EQ(titles.size(), c.events) << c.title;
    EXPECT_EQ(titles.at(c.day), c.title);
    EXPECT_NE(file.find(std::string("DESCRIPTION:") + c.utc + "\r\n"), std::string::npos) << c.title;
  }
}

// One year's file is named as a year file is (Tessarine_2026.ics), its year
// once; a range keeps both ends; the stamp is the generation's moment.
TEST(SkyCalendarTest, FileNames) {
  const struct {
    SkyKind kind;
    int first, last;
    LunarCalendar calendar;
    bool fixed;
    const char* name;
  } cases[] = {
      {SkyKind::MoonPhases, 2026, 2026, LunarCalendar::China, true, "Tessarine_MoonPhases_2026.ics"},
      {SkyKind::SolarTerms, 2026, 2026, LunarCalendar::China, true, "Tessarine_SolarTerms_2026.ics"},
      {SkyKind::MoonPhases, 2026, 2026, LunarCalendar::Vietnam, false,
       "Tessarine_Vietnamese_MoonPhases_2026_261209-090000.ics"},
      {SkyKind::SolarTerms, 2026, 2027, LunarCalendar::Korea, true, "Tessarine_Korean_SolarTerms_2026-2027.ics"},
      {SkyKind::MoonPhases, 2026, 2030, LunarCalendar::China, false, "Tessarine_MoonPhases_2026-2030_261209-090000.ics"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SkyFileName(c.kind, testing::Years(c.first, c.last), c.calendar, kMoment, c.fixed), c.name);
  }
  EXPECT_EQ(YearFileName(2026y, kMoment, true), "Tessarine_2026.ics");  // the name one year's sky file follows
}

}  // namespace
}  // namespace tessarine
