#include "civil_time.h"

#include <chrono>
#include <cmath>

namespace tessarine::tables {
namespace {

constexpr double kUnixEpochJD = 2440587.5;  // 1970-01-01 00:00 UT

constexpr int DayNumber(int y, unsigned m, unsigned d) {
  return static_cast<int>(
      std::chrono::sys_days{std::chrono::year{y} / m / d}.time_since_epoch().count());
}

// The first day of each country's own clock.
constexpr int kKoreaOwnClock = DayNumber(1912, 1, 1);
constexpr int kVietnamOwnClock = DayNumber(1968, 1, 1);

// Hours east of UTC on civil day `day` (the clock of its midnight).
double OffsetDays(Country country, int day) {
  switch (country) {
    case Country::China: break;
    case Country::Korea: return (day >= kKoreaOwnClock ? 9.0 : 8.0) / 24;
    case Country::Vietnam: return (day >= kVietnamOwnClock ? 7.0 : 8.0) / 24;
  }
  return 8.0 / 24;
}

}  // namespace

int CivilDay(Country country, double jdUT1) {
  // The day under UTC+8 first; a change of clock moves no event near it.
  const int guess = static_cast<int>(std::floor(jdUT1 - kUnixEpochJD + 8.0 / 24));
  return static_cast<int>(std::floor(jdUT1 - kUnixEpochJD + OffsetDays(country, guess)));
}

double CivilMidnight(Country country, int day) { return kUnixEpochJD + day - OffsetDays(country, day); }

std::string_view CountryName(Country country) {
  switch (country) {
    case Country::China: break;
    case Country::Korea: return "korean";
    case Country::Vietnam: return "vietnamese";
  }
  return "chinese";
}

}  // namespace tessarine::tables
