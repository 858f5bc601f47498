#include "civil_time.h"

#include <chrono>
#include <cmath>

#include "calendar/civil_clock.h"

namespace tessarine::tables {
namespace {

constexpr double kUnixEpochJD = 2440587.5;  // 1970-01-01 00:00 UT

// Days east of UTC on civil day `day` (the clock of its midnight).
double OffsetDays(LunarCalendar calendar, int day) {
  return CivilOffset(calendar, sys_days{std::chrono::days{day}}).count() / (24.0 * 60);
}

}  // namespace

int CivilDay(LunarCalendar calendar, double jdUT1) {
  // The day under UTC+8 first; a change of clock moves no event near it.
  const int guess = static_cast<int>(std::floor(jdUT1 - kUnixEpochJD + 8.0 / 24));
  return static_cast<int>(std::floor(jdUT1 - kUnixEpochJD + OffsetDays(calendar, guess)));
}

double CivilMidnight(LunarCalendar calendar, int day) { return kUnixEpochJD + day - OffsetDays(calendar, day); }

}  // namespace tessarine::tables
