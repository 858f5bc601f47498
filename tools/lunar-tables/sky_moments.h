// The moments the almanac layers print: every solar term of 1901-2100 and
// every principal phase of the Moon (new, first quarter, full, last quarter)
// around those years, to the minute in UTC, and the header that holds them
// (src/calendar/sky_moments.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessarine::tables {

struct SkyMoments {
  std::vector<double> terms;   // UT1 Julian dates, 24 a year from 小寒 of the year before the first
  std::vector<double> phases;  // UT1 Julian dates in order, the first a new moon
};

SkyMoments ComputeSkyMoments(int firstYear, int lastYear);

// Minutes since 1901-01-01 00:00 UTC, rounded to the nearest minute but
// never up to a civil midnight of the three calendars (15:00, 16:00 or 17:00
// UTC), so that a moment keeps the civil day it falls on.
std::int32_t MomentMinutes(double jdUT1);

std::string SkyMomentsHeader(const SkyMoments& moments, int firstYear, int lastYear);

}  // namespace tessarine::tables
