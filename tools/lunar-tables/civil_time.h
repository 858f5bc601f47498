// Whose clock decides the day a new moon or a solar term falls on. The three
// lunar calendars follow the same rules from the same sky, each by the
// civil date of its own country:
//   China    UTC+8 (China Standard Time) throughout;
//   Korea    the Chinese calendar for events before 1912-01-01, then UTC+9,
//            as the Korea Astronomy and Space Science Institute's calendar
//            has it (its UTC+8:30 years of 1908-1911 and 1954-1961 move no
//            month start, so they are not modelled);
//   Vietnam  the Chinese calendar before 1968-01-01, then UTC+7, by the
//            decree of 8 August 1967 (the North's rule; the South kept UTC+8
//            until 1975).
#pragma once

#include <string_view>

namespace tessarine::tables {

enum class Country { China, Korea, Vietnam };

// The day number (days since 1970-01-01) of an instant (UT1 Julian date) in
// the country's civil time.
int CivilDay(Country country, double jdUT1);

// The UT1 Julian date of the midnight that begins civil day `day`.
double CivilMidnight(Country country, int day);

// The command-line and file names: "chinese", "korean", "vietnamese".
std::string_view CountryName(Country country);

}  // namespace tessarine::tables
