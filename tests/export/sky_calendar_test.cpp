// The calendars of the sky's moments, read back by libical: each event on its
// civil date, titled with its civil time, its UTC moment in DESCRIPTION.
#include "export/sky_calendar.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(SkyFileName(SkyKind::SolarTerms, testing::Years(2026, 2027), LunarCalendar::Korea, kMoment, true),
            "Tessarine_Korean_SolarTerms_2026-2027.ics");
}

}  // namespace
}  // namespace tessarine
