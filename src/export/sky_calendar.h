// The sky's moments as calendars of their own: one all-day event for each
// principal phase of the Moon (满月 21:36) or each solar term (立春 04:02),
// on the civil date and at the civil time of the calendar's country, with
// the moment in UTC in its DESCRIPTION.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "calendar/vocabulary.h"
#include "calendar/year_range.h"
#include "export/day_event.h"

namespace tessarine {

enum class SkyKind { MoonPhases, SolarTerms };

std::vector<DayEvent> SkyEvents(SkyKind kind, YearRange years, LunarCalendar calendar, Language language);

// "月相 2026-2027", "二十四节气 2026" in the language.
std::string SkyCalendarName(SkyKind kind, YearRange years, Language language);

// "Tessarine_MoonPhases_<first>-<last>_<yymmdd-hhnnss>.ics", for one year
// "Tessarine_MoonPhases_<year>_<yymmdd-hhnnss>.ics" as a year's file is
// named, or "Tessarine_SolarTerms_…" (with _Korean or _Vietnamese after
// Tessarine for those calendars); without the stamp for a fixed name.
std::string SkyFileName(SkyKind kind, YearRange years, LunarCalendar calendar, std::chrono::local_seconds moment,
                        bool fixed = false);

}  // namespace tessarine
