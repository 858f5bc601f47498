// The program's main product: one year as an iCalendar file, one all-day
// event per day that has a title.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace tessarine {

// A day's event title; empty when the day gets no event.
using TitleFunction = std::function<std::string(std::chrono::sys_days)>;

// The bytes of the file for `year`. `moment`, the local time of generation,
// stamps the events.
std::string YearCalendarFile(std::chrono::year year, const TitleFunction& titleOf,
                             std::chrono::local_seconds moment);

// "Tessarine_<year>_<yymmdd-hhnnss>.ics"
std::string YearFileName(std::chrono::year year, std::chrono::local_seconds moment);

}  // namespace tessarine
