// The sky events the calendar is built from, each with the civil day it
// falls on in the calendar's country: every new moon between two days, and
// the 24 solar terms of a Gregorian year.
#pragma once

#include <chrono>
#include <vector>

#include "civil_time.h"

namespace tessarine::tables {

struct SkyEvent {
  double instant = 0;           // UT1 Julian date
  std::chrono::sys_days day{};  // the civil day in the calendar's country
};

// The new moons from `first` to `last`, in order.
std::vector<SkyEvent> NewMoons(LunarCalendar calendar, std::chrono::sys_days first, std::chrono::sys_days last);

// Solar term `k` (1 小寒 … 24 冬至) of Gregorian year `year`: the Sun at
// (285 + 15 (k − 1)) mod 360 degrees.
SkyEvent SolarTerm(LunarCalendar calendar, int year, int k);

// Minutes from an instant (UT1 Julian date) to the nearest civil midnight,
// negative before it.
double MinutesFromMidnight(LunarCalendar calendar, double instant);

}  // namespace tessarine::tables
