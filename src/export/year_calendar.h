// The program's main product: one year as a calendar, one all-day event per
// day that has a title.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "export/day_event.h"

namespace tessarine {

// A day's event title; empty when the day gets no event.
using TitleFunction = std::function<std::string(std::chrono::sys_days)>;

// Appends the events of `year` to `events`, in date order.
void AppendYearEvents(std::vector<DayEvent>& events, std::chrono::year year, const TitleFunction& titleOf);

// "农历 <year>", the name a calendar program shows for the imported file.
std::string YearCalendarName(std::chrono::year year);

// The whole file for `year`. `moment`, the local time of generation, stamps
// the events.
std::string YearCalendarFile(std::chrono::year year, const TitleFunction& titleOf,
                             std::chrono::local_seconds moment);

// "Tessarine_<year>_<yymmdd-hhnnss>.ics"
std::string YearFileName(std::chrono::year year, std::chrono::local_seconds moment);

}  // namespace tessarine
