// The anniversaries as one iCalendar file: every occurrence of every entry
// in a span of Gregorian years, each an all-day event like a day of a year
// file, with an optional reminder.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "compose/anniversary.h"

namespace tessarine {

// `remindDaysBefore`: a reminder at 09:00 local time that many days before
// (0: on the day), or none.
std::string AnniversaryCalendarFile(const std::vector<Anniversary>& entries, std::chrono::year first,
                                    std::chrono::year last, std::optional<int> remindDaysBefore,
                                    std::chrono::local_seconds moment);

// "Tessarine_Anniversaries_<first>-<last>_<yymmdd-hhnnss>.ics"
std::string AnniversaryFileName(std::chrono::year first, std::chrono::year last, std::chrono::local_seconds moment);

}  // namespace tessarine
