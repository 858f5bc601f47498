// The Sun and the Moon as the calendar needs them: their apparent geocentric
// ecliptic longitudes, and the instants at which they meet (new moons) and
// at which the Sun reaches a multiple of 15° (the solar terms).
//
// Instants are Julian dates in UT1, so that the day a moment falls on in a
// calendar's civil time (civil_time.h) is its clock time to within UTC − UT1
// (under a second). The astronomy itself runs in TT = UT1 + ΔT.
#pragma once

namespace tessarine::tables {

// The Sun's apparent longitude, in degrees [0, 360), at a TT Julian date:
// the Earth from eraEpv00, the Sun's direction corrected for aberration by
// the Earth's barycentric velocity, referred to the mean ecliptic and
// equinox of date (IAU 2006) and moved to the true equinox by the nutation
// in longitude (IAU 2000A).
double SunLongitude(double jdTT);

// The Moon's apparent longitude in the same frame: eraMoon98 at the time its
// light left it.
double MoonLongitude(double jdTT);

// The instant (UT1 Julian date) nearest `guessUT1` at which the Moon's
// longitude exceeds the Sun's by `elongation` degrees: 0 the new moon, 90 the
// first quarter, 180 the full moon, 270 the last quarter. Found by iteration
// to better than 0.01 s.
double MoonPhaseNear(double elongation, double guessUT1);
inline double NewMoonNear(double guessUT1) { return MoonPhaseNear(0, guessUT1); }

// The instant (UT1 Julian date) at which the Sun's apparent longitude is
// `degrees`, nearest `guessUT1`.
double SunReachesNear(double degrees, double guessUT1);

}  // namespace tessarine::tables
