// Lunar birthdays and anniversaries: an entry names a lunar month and day,
// and falls on that day in every lunar year, which no calendar program can
// repeat by itself.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "calendar/lunar_date.h"

namespace tessarine {

struct Anniversary {
  std::string name;      // e.g. 妈妈生日
  std::string dateText;  // the date as written in the entry, e.g. 三月初八
  unsigned month = 1;    // [1, 12]
  unsigned day = 1;      // [1, 30]
  bool leap = false;     // a date in a leap month
  std::optional<int> firstYear;  // the first lunar year, counted as the engine counts them
};

struct Occurrence {
  std::chrono::sys_days date;
  int lunarYear;
  std::string title;  // the name, with " (N)" when the entry has a first year
  const Anniversary* entry;  // into the list given to Occurrences, which must outlive this
};

// The day of `entry` in lunar year `year`, nothing when the engine does not
// reach it. A regular-month date falls in the regular month even when the
// year repeats that month; a leap-month date falls in the leap month when
// the year has it and in the regular month otherwise; day 30 of a 29-day
// month falls on its 29th.
std::optional<std::chrono::sys_days> OccurrenceIn(const Anniversary& entry, int year);

// Every occurrence of the entries whose Gregorian date lies in the years
// first..last, in date order (entries in list order on one day). Lunar years
// first-1..last are looked at: a 腊月 date of one lunar year falls in
// January or February of the next Gregorian year.
std::vector<Occurrence> Occurrences(const std::vector<Anniversary>& entries, std::chrono::year first,
                                    std::chrono::year last);

}  // namespace tessarine
