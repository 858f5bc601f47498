// The moments of the sky, to the minute: when each solar term falls and when
// the Moon reaches each principal phase, from the generator's tables
// (sky_moments.h), and the civil clock of each calendar that decides the day
// a moment falls on.
//
// Errors: none are thrown. A year or a day the tables do not hold gives an
// empty optional.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "calendar/civil_clock.h"
#include "calendar/lunar_date.h"

namespace tessarine {

using Moment = std::chrono::sys_time<std::chrono::minutes>;  // UTC

enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };

struct PhaseMoment {
  MoonPhase phase;
  Moment moment;
  friend bool operator==(const PhaseMoment&, const PhaseMoment&) = default;
};

// The civil date and time of `moment` in the calendar's clock.
std::chrono::local_time<std::chrono::minutes> CivilTime(LunarCalendar calendar, Moment moment);

// Solar term `term` (1 小寒 … 24 冬至) of Gregorian year `year`, held from
// the year before the first described one.
std::optional<Moment> TermMoment(int year, unsigned term);

// The civil day that term falls on in the calendar.
std::optional<sys_days> TermDay(int year, unsigned term, LunarCalendar calendar);

// The principal phase of the Moon that falls on civil day `day`, if any.
std::optional<PhaseMoment> MoonPhaseOn(sys_days day, LunarCalendar calendar);

// Every principal phase whose civil day lies from `first` to `last`, in order.
std::vector<PhaseMoment> MoonPhasesBetween(sys_days first, sys_days last, LunarCalendar calendar);

}  // namespace tessarine
