#include "holidays/hong_kong/easter.h"

namespace tessarine::hong_kong {

// The Gregorian computus in its arithmetic form (the "anonymous" algorithm
// of 1876): golden number, century corrections of the solar and lunar
// equations, the epact, then the Sunday that follows the Paschal full moon.
std::chrono::sys_days EasterSunday(int year) {
  const int a = year % 19;            // place in the Metonic cycle
  const int b = year / 100;
  const int c = year % 100;
  const int d = b / 4;
  const int e = b % 4;
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;      // the lunar correction
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4;
  const int k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;  // days to the Sunday
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31;
  const int day = (h + l - 7 * m + 114) % 31 + 1;
  return std::chrono::sys_days{std::chrono::year{year} / static_cast<unsigned>(month) / static_cast<unsigned>(day)};
}

}  // namespace tessarine::hong_kong
