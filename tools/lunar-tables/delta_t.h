// ΔT = TT − UT1, the one quantity the astronomy needs that ERFA does not
// supply: the sky is computed in Terrestrial Time, the calendar counts days
// on clocks that follow the Earth's rotation.
#pragma once

namespace tessarine::tables {

// ΔT in seconds at a decimal year (2000.0 is 2000-01-01).
//
// The model:
// - before 1973, the Espenak–Meeus polynomials (NASA, "Polynomial
//   Expressions for Delta T", 2006), fitted to the historical record; they
//   stay within about 1 s of it over 1900–1973;
// - 1973.0–2025.0, the observed values at the start of each year (IERS and
//   USNO, TT − UT1, rounded to 0.01 s), interpolated linearly;
// - after 2025.0, the Espenak–Meeus prediction (its 2005–2050 and 2050–2150
//   expressions), shifted to meet the last observed value; the shift fades
//   out linearly by 2050, where the prediction takes over.
//
// Uncertainty: under 1 s before 1973 and about 0.1 s after, while observed.
// The prediction runs ahead of the Earth's recent rotation: by 2050 the
// real value may differ by 20–30 s, by 2100 by one to two minutes. A new moon
// or a solar term within that much of midnight is a provisional day.
double DeltaTSeconds(double year);

// The last year of the observed values; later values are predicted.
inline constexpr double kLastObservedYear = 2025.0;

}  // namespace tessarine::tables
