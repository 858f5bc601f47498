// The anniversaries as one calendar: every occurrence of every entry in a
// span of Gregorian years, each an all-day event like a day of a year file,
// with an optional reminder.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "calendar/year_range.h"
#include "compose/anniversary.h"
#include "export/day_event.h"

namespace tessarine {

inline constexpr std::string_view kAnniversaryCalendarName = "农历纪念日";

// `remindDaysBefore`: a reminder at 09:00 local time that many days before
// (0: on the day), or none.
std::vector<DayEvent> AnniversaryEvents(const std::vector<Anniversary>& entries, YearRange years,
                                        std::optional<int> remindDaysBefore);

// The whole file; `moment`, the local time of generation, stamps the events.
std::string AnniversaryCalendarFile(const std::vector<Anniversary>& entries, YearRange years,
                                    std::optional<int> remindDaysBefore, std::chrono::local_seconds moment);

// "Tessarine_Anniversaries_<first>-<last>_<yymmdd-hhnnss>.ics"
std::string AnniversaryFileName(YearRange years, std::chrono::local_seconds moment);

}  // namespace tessarine
