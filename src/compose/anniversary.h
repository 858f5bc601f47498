// Lunar birthdays and anniversaries: an entry names a lunar month and day,
// and falls on that day in every lunar year, which no calendar program can
// repeat by itself.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/lunar_date.h"
#include "calendar/year_range.h"

namespace tessarine {

struct Anniversary {
  std::string name;      // e.g. 妈妈生日
  std::string dateText;  // the date as written in the entry, e.g. 三月初八
  unsigned month = 1;    // [1, 12]
  unsigned day = 1;      // [1, 30]
  bool leap = false;     // a date in a leap month
  std::optional<int> firstYear;  // the first lunar year, counted as the engine counts them
  // The calendar it repeats by: a Korean 제사 or a Vietnamese giỗ keeps its
  // own country's lunar date.
  LunarCalendar calendar = LunarCalendar::China;
};

struct Occurrence {
  std::chrono::sys_days date;
  int lunarYear;
  std::string title;  // the name, with " (N)" when the entry has a first year
  // The entry's place in the list; its key (OccurrenceKeys) names it
  // whatever its title's count says.
  std::uint32_t entry = 0;
};

// The identity of `entry`, as each of its occurrences carries it.
std::string OccurrenceKey(const Anniversary& entry);

// The day of `entry` in lunar year `year`, nothing when the engine does not
// reach it. A regular-month date falls in the regular month even when the
// year repeats that month; a leap-month date falls in the leap month when
// the year has it and in the regular month otherwise; day 30 of a 29-day
// month falls on its 29th.
std::optional<std::chrono::sys_days> OccurrenceIn(const Anniversary& entry, int year);

// The first day of `entry` on or after `from`, in a lunar year from its
// first year on; nothing past the engine's last year.
std::optional<std::chrono::sys_days> NextOccurrence(const Anniversary& entry, std::chrono::sys_days from);

// Every occurrence of the entries whose Gregorian date lies in `years`, in
// date order (entries in list order on one day). Lunar years from the one
// before the first are looked at: a 腊月 date of one lunar year falls in
// January or February of the next Gregorian year.
std::vector<Occurrence> Occurrences(const std::vector<Anniversary>& entries, YearRange years);

// The key of each entry: its name and date as written, so the same entry on
// the same day keeps one identity. Keys are unique: an entry that repeats an
// earlier one's name and date has its number in the list of such entries
// added to its key.
std::vector<std::string> OccurrenceKeys(const std::vector<Anniversary>& entries);

}  // namespace tessarine
