// Gregorian festivals and weekday names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/lunar_calendar.h"

namespace tessarine {

// 0 = Sunday to 6 = Saturday.
extern const std::array<std::string_view, 7> WeekdayNames;

// The key ("MMDD") of the n-th day with weekday `weekday` in that month of
// that year; all four arguments are decimal texts, e.g. ("2013", "5", "2",
// "0") gives "0512". Any argument that is not a number in its range gives an
// empty key, which matches no festival.
std::string NthWeekdayKey(std::string_view year, std::string_view month, std::string_view n,
                          std::string_view weekday);

// The Gregorian festival of the day, or empty. `year` is the four-digit year
// text; a text that is not a year gives empty. Brings the floating festival
// keys of `cal` up to date for that year before looking the day up.
std::string SolarFestivalOf(LunarCalendar& cal, std::string_view year, std::uint16_t month,
                            std::uint16_t day);

}  // namespace tessarine
