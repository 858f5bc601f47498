// The calendar engine's shared state. The program owns one LunarCalendar and
// every caller that describes days shares it: the leap-month answer of a day
// is carried from the conversion to the month name through this state, so it
// must be the same object for the whole run (and a fresh one for each test).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/summary_options.h"

namespace tessarine {

struct LunarCalendar {
  explicit LunarCalendar(const SummaryOptions& options) : options(options) {}

  // The user's choices, read at the moment each operation needs them.
  const SummaryOptions& options;

  // The month number that LunarMonthLength last found to be its year's leap
  // month (0 until one is found).
  std::int32_t RecordedLeapMonth = 0;
  // 2 when the leap test found the day being described to lie in a leap
  // month, 0 when it found that it does not.
  std::int32_t LeapMonthFlag = 0;

  // Keys of the three Gregorian festivals that fall on the n-th weekday of a
  // month, valid for FloatingKeysYear. SolarFestivalOf brings them up to date
  // for the year it is asked about.
  std::array<std::string, 3> FloatingFestivalKeys{"0520", "0630", "1144"};
  int FloatingKeysYear = 0;
};

}  // namespace tessarine
