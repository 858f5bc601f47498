#include "sky_events.h"

#include <cmath>

#include "sky.h"

namespace tessarine::tables {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

// A mean new moon (2000-01-06 18:14 TT) and the mean synodic month: where
// the search for each true new moon starts.
constexpr double kMeanNewMoonJD = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;
constexpr double kUnixEpochJD = 2440587.5;

double JulianDate(sys_days day) { return kUnixEpochJD + day.time_since_epoch().count(); }

SkyEvent At(LunarCalendar calendar, double instant) { return {instant, sys_days{days{CivilDay(calendar, instant)}}}; }

}  // namespace

std::vector<SkyEvent> NewMoons(LunarCalendar calendar, sys_days first, sys_days last) {
  std::vector<SkyEvent> moons;
  auto k = static_cast<long>(std::floor((JulianDate(first) - kMeanNewMoonJD) / kSynodicMonth));
  for (;; ++k) {
    const SkyEvent moon = At(calendar, NewMoonNear(kMeanNewMoonJD + kSynodicMonth * static_cast<double>(k)));
    if (moon.day > last) break;
    if (moon.day >= first) moons.push_back(moon);
  }
  return moons;
}

SkyEvent SolarTerm(LunarCalendar calendar, int year, int k) {
  const int month = (k + 1) / 2;
  const bool second = k % 2 == 0;
  const double longitude = std::fmod(285.0 + 15.0 * (k - 1), 360.0);
  const auto guess = sys_days{std::chrono::year{year} / month / (second ? 21 : 6)};
  return At(calendar, SunReachesNear(longitude, JulianDate(guess)));
}

double MinutesFromMidnight(LunarCalendar calendar, double instant) {
  const double after = instant - CivilMidnight(calendar, CivilDay(calendar, instant));
  return (after < 0.5 ? after : after - 1.0) * 24 * 60;
}

}  // namespace tessarine::tables
