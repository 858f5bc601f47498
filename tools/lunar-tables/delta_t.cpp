#include "delta_t.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace tessarine::tables {
namespace {

constexpr double kFirstObservedYear = 1973.0;

// TT − UT1 on 1 January of 1973, 1974, ..., 2025, in seconds.
constexpr std::array<double, 53> kObserved = {
    43.47, 44.48, 45.48, 46.46, 47.52, 48.53, 49.59, 50.54, 51.38, 52.17,  // 1973-1982
    52.96, 53.79, 54.34, 54.87, 55.32, 55.82, 56.30, 56.86, 57.57, 58.31,  // 1983-1992
    59.12, 59.98, 60.79, 61.63, 62.30, 62.97, 63.47, 63.83, 64.09, 64.30,  // 1993-2002
    64.47, 64.57, 64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32, 66.60,  // 2003-2012
    66.91, 67.28, 67.64, 68.10, 68.59, 68.97, 69.22, 69.36, 69.36, 69.29,  // 2013-2022
    69.20, 69.18, 69.14,                                                   // 2023-2025
};
static_assert(kFirstObservedYear + std::size(kObserved) - 1 == kLastObservedYear);

// Espenak and Meeus's polynomials for 1900 to 2150.
double EspenakMeeus(double y) {
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4) +
           0.00002373599 * std::pow(t, 5);
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

}  // namespace

double DeltaTSeconds(double year) {
  if (year < kFirstObservedYear) return EspenakMeeus(year);
  if (year <= kLastObservedYear) {
    const double at = year - kFirstObservedYear;
    const auto i = std::min(static_cast<std::size_t>(at), std::size(kObserved) - 2);
    return kObserved[i] + (kObserved[i + 1] - kObserved[i]) * (at - static_cast<double>(i));
  }
  constexpr double kFadeEnd = 2050.0;
  const double shift = kObserved.back() - EspenakMeeus(kLastObservedYear);
  const double weight = std::max(0.0, (kFadeEnd - year) / (kFadeEnd - kLastObservedYear));
  return EspenakMeeus(year) + shift * weight;
}

}  // namespace tessarine::tables
