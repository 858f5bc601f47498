// Everything the calendar's compiled-in tables hold, computed from the sky
// for a span of years.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "lunar_months.h"
#include "sky_events.h"

namespace tessarine::tables {

// A day after the last observed year whose new moon or solar term lies so
// close to midnight that the uncertainty of the predicted Earth rotation
// could move it.
struct ProvisionalDay {
  SkyEvent event;
  int term = 0;  // 0: a new moon; else the solar term 1..24
};

struct ComputedTables {
  LunarCalendar calendar = LunarCalendar::China;
  int firstYear = 0;
  int lastYear = 0;
  std::vector<LunarYearShape> years;                  // lunar years firstYear..lastYear
  std::vector<std::array<unsigned, 2>> termDays;      // per Gregorian month from January of firstYear
  // Where the tables begin: 1 January of firstYear lies in month 11 or 12
  // of the lunar year before, which has no leap month after its month 11.
  unsigned epochMonth = 0;
  unsigned epochDayOfMonth = 0;
  std::array<unsigned, 2> lastMonthsDays{};           // lengths of that year's months 11 and 12
  std::vector<ProvisionalDay> provisional;
};

// How near midnight, in minutes, a predicted event makes its day provisional.
inline constexpr double kProvisionalMinutes = 2.0;

// Computes the tables for the lunar and Gregorian years firstYear..lastYear.
// Throws std::runtime_error where the sky or an override breaks a rule.
ComputedTables ComputeTables(LunarCalendar calendar, int firstYear, int lastYear);

}  // namespace tessarine::tables
