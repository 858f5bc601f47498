#include "sky.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "delta_t.h"

namespace tessarine::tables {
namespace {

constexpr double kUnixEpochJD = 2440587.5;     // 1970-01-01 00:00 UT
constexpr double kSynodicMonth = 29.530588861;
constexpr double kTropicalYear = 365.242189;

double DecimalYear(double jd) { return 2000.0 + (jd - ERFA_DJ00) / 365.25; }

double ToTT(double jdUT1) { return jdUT1 + DeltaTSeconds(DecimalYear(jdUT1)) / ERFA_DAYSEC; }

// Angle `a` − `b` in degrees, folded into [−180, 180).
double Difference(double a, double b) { return std::remainder(a - b, 360.0); }

// The Earth's barycentric velocity in units of c, and its distance from the
// Sun in au: what aberration needs.
struct Observer {
  double velocity[3];
  double sunDistance;
  double inverseLorentz;  // sqrt(1 − v²)
};

Observer EarthAt(double jdTT, double heliocentric[3]) {
  double pvh[2][3], pvb[2][3];
  eraEpv00(ERFA_DJ00, jdTT - ERFA_DJ00, pvh, pvb);
  Observer earth{};
  for (int i = 0; i < 3; ++i) {
    heliocentric[i] = pvh[0][i];
    earth.velocity[i] = pvb[1][i] / ERFA_DC;
  }
  earth.sunDistance = std::sqrt(eraPdp(pvh[0], pvh[0]));
  earth.inverseLorentz = std::sqrt(1.0 - eraPdp(earth.velocity, earth.velocity));
  return earth;
}

// The longitude of a geocentric GCRS unit vector `direction` in
// the ecliptic and equinox of date at TT `jdTT`.
double LongitudeOfDate(double jdTT, double direction[3]) {
  double ecliptic[3], rotation[3][3];
  eraEcm06(ERFA_DJ00, jdTT - ERFA_DJ00, rotation);
  eraRxp(rotation, direction, ecliptic);
  double dpsi = 0, deps = 0;
  eraNut06a(ERFA_DJ00, jdTT - ERFA_DJ00, &dpsi, &deps);
  return eraAnp(std::atan2(ecliptic[1], ecliptic[0]) + dpsi) * ERFA_DR2D;
}

}  // namespace

double SunLongitude(double jdTT) {
  double earthFromSun[3];
  Observer earth = EarthAt(jdTT, earthFromSun);
  double sun[3], distance = 0, direction[3], apparent[3];
  for (int i = 0; i < 3; ++i) sun[i] = -earthFromSun[i];
  eraPn(sun, &distance, direction);
  // Aberration by the Earth's motion: about 20".
  eraAb(direction, earth.velocity, earth.sunDistance, earth.inverseLorentz, apparent);
  return LongitudeOfDate(jdTT, apparent);
}

double MoonLongitude(double jdTT) {
  // The Moon where its light left it, about 1.3 s earlier. The Earth's own
  // motion in that time and its aberration cancel, as the two travel
  // together: what remains is the light time of the Moon's geocentric motion.
  double pv[2][3];
  eraMoon98(ERFA_DJ00, jdTT - ERFA_DJ00, pv);
  for (int pass = 0; pass < 2; ++pass) {
    const double lightTime = std::sqrt(eraPdp(pv[0], pv[0])) / ERFA_DC;
    eraMoon98(ERFA_DJ00, jdTT - ERFA_DJ00 - lightTime, pv);
  }
  double distance = 0, direction[3];
  eraPn(pv[0], &distance, direction);
  return LongitudeOfDate(jdTT, direction);
}

double MoonPhaseNear(double target, double guessUT1) {
  // Secant steps on the elongation, which grows about 12.2° a day.
  double t = guessUT1;
  double step = 1.0;
  for (int i = 0; i < 50 && std::fabs(step) > 1e-8; ++i) {
    const double tt = ToTT(t);
    const double elongation = Difference(Difference(MoonLongitude(tt), SunLongitude(tt)), target);
    const double rate = 360.0 / kSynodicMonth;
    step = -elongation / rate;
    t += step;
  }
  return t;
}

double SunReachesNear(double degrees, double guessUT1) {
  double t = guessUT1;
  double step = 1.0;
  for (int i = 0; i < 50 && std::fabs(step) > 1e-8; ++i) {
    step = -Difference(SunLongitude(ToTT(t)), degrees) / (360.0 / kTropicalYear);
    t += step;
  }
  return t;
}

}  // namespace tessarine::tables
