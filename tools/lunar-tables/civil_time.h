// The civil clock of each calendar (calendar/civil_clock.h) in the
// generator's units: day numbers and UT1 Julian dates.
#pragma once

#include "calendar/lunar_date.h"

namespace tessarine::tables {

// The day number (days since 1970-01-01) of an instant (UT1 Julian date) in
// the calendar's civil time.
int CivilDay(LunarCalendar calendar, double jdUT1);

// The UT1 Julian date of the midnight that begins civil day `day`.
double CivilMidnight(LunarCalendar calendar, int day);

}  // namespace tessarine::tables
