// The description of one Gregorian day in a lunar calendar, as numbers: the
// lunar date and its month's length, the solar term, the festivals the
// region keeps on it and the year's place in the 60-year cycle. The days
// follow the region (its festivals and national days), the names the
// language. Names are a separate step: the vocabulary of a language gives
// them (calendar/lunar_names.h), and composing a title (compose/) decides
// by these numbers alone.
#pragma once

#include <optional>

#include "calendar/lunar_date.h"
#include "calendar/lunar_festivals.h"
#include "calendar/region.h"
#include "calendar/solar_festivals.h"

namespace tessarine {

struct DayInfo {
  sys_days date{};  // the Gregorian day described
  LunarCalendar calendar{};  // set with the date; a default-made record describes nothing
  Region region{};           // whose festivals
  LunarDate lunar;           // {} for an undescribed day
  unsigned monthDays = 0;    // 29 or 30
  unsigned term = 0;         // 1 (小寒) to 24 (冬至), or 0
  FestivalList<LunarFestival> lunarFestivals;  // the region's, on this calendar's dates
  FestivalList<SolarFestival> solarFestivals;  // the region's Gregorian ones, also on an undescribed day
  // The lunar year's place in the 60-year cycle: stem = cycle % 10, branch
  // and zodiac = cycle % 12.
  unsigned yearCycle = 0;

  bool described() const { return lunar.day != 0; }
  friend bool operator==(const DayInfo&, const DayInfo&) = default;
};

// Describes `date` in `calendar`, with the festivals `region` keeps. Days
// outside the described years give a record with no lunar date
// (described() is false).
DayInfo GetDayInfo(sys_days date, LunarCalendar calendar, Region region);

// The day after `day`, in its calendar and region: GetDayInfo of the next
// date, found from this one. Within a lunar month only the day, the term
// and the festivals change, so a walk over a year, as a year file makes,
// does not look every day up in the tables.
DayInfo NextDayInfo(const DayInfo& day);

}  // namespace tessarine
