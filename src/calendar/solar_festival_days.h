// Each region's Gregorian festivals as rules: the day each falls on (a fixed
// date, the n-th weekday of a month, or a count of days from Easter Sunday)
// and the years it is kept. Read by SolarFestivalsOn
// (calendar/solar_festivals.h); the tables and their sources are in
// solar_festival_days.cpp.
#pragma once

#include <chrono>
#include <limits>
#include <span>

#include "calendar/region.h"
#include "calendar/solar_festivals.h"

namespace tessarine {

struct SolarFestivalDay {
  enum class Kind : unsigned char { Fixed, NthWeekday, FromEaster };
  Kind kind;
  unsigned char month;  // Fixed and NthWeekday
  unsigned char day;    // Fixed: the day of the month; NthWeekday: the weekday, 0 for Sunday
  signed char count;    // NthWeekday: which one, from 1; FromEaster: days from Easter Sunday
  SolarFestival festival;
  // The years it is kept, both included; by default every year, the days
  // around the described ones too.
  short from = std::numeric_limits<short>::min(), until = std::numeric_limits<short>::max();

  bool KeptIn(int year) const { return year >= from && year <= until; }
};

// Rules in the order a title prefers them when two fall on one day.
std::span<const SolarFestivalDay> SolarFestivalDaysOf(Region region);

}  // namespace tessarine
