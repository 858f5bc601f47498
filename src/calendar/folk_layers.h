// The almanac's folk layers of a day, as numbers: the day's, the month's and
// the year's place in the 60-day and 60-year cycles (干支), the dog days
// (三伏) and the nine nines of winter (数九). Each is decided by the civil
// date of the solar terms in the calendar's country.
//
//   干支   the day: a 60-day cycle, 1949-10-01 a 甲子 day; the month: changes
//          on each of the twelve 节 (立春 begins the 寅 month); the year: at
//          the Spring Festival (DayInfo::yearCycle) or at 立春 (here).
//   三伏   初伏 begins on the third 庚 day counting from 夏至 (夏至 itself
//          counts when it is a 庚 day) and lasts 10 days; 中伏 follows until
//          末伏, which is the 10 days from the first 庚 day on or after 立秋,
//          so 中伏 lasts 20 days when 立秋 falls after the fifth 庚 day.
//   数九   nine nines of nine days from 冬至 day.
//
// Which of them a region's almanacs print is the region's (FolkLayersOf):
// Korea marks only the first days, 초복, 중복 and 말복, and counts no 数九.
#pragma once

#include <optional>

#include "calendar/lunar_date.h"
#include "calendar/region.h"
#include "calendar/sky_times.h"

namespace tessarine {

// A day of a counted period: the period (1 初伏, 2 中伏, 3 末伏; or the nine,
// 1 一九 … 9 九九) and the day within it, from 1.
struct PeriodDay {
  unsigned period;
  unsigned day;
  friend bool operator==(const PeriodDay&, const PeriodDay&) = default;
};

// 甲子 is 0: the stem is cycle % 10 (庚 is 6), the branch cycle % 12.
unsigned DayCycle(sys_days day);

// The solar year by 立春: the Gregorian year, or the one before for a day
// before that year's 立春.
int SolarYear(sys_days day, LunarCalendar calendar);

// The month's place in the 60 cycle, changing on each 节.
unsigned MonthCycle(sys_days day, LunarCalendar calendar);

std::optional<PeriodDay> DogDaysOn(sys_days day, LunarCalendar calendar);
std::optional<PeriodDay> NineNinesOn(sys_days day, LunarCalendar calendar);

// How a region's almanacs print 三伏 and whether they count 数九.
enum class DogDaysStyle {
  Counted,    // every day of the three periods: 中伏第12天
  FirstDays,  // only the day each begins: 초복, 중복, 말복
};
struct FolkLayers {
  DogDaysStyle dogDays;
  bool nineNines;
};
FolkLayers FolkLayersOf(Region region);

// Everything above, and the moments of the day, at once, as `region`'s
// almanacs print them: 三伏 by its style (on its first days only, day 1),
// 数九 only where it is counted.
struct DayAlmanac {
  std::optional<Moment> termMoment;      // of the solar term that falls on the day
  std::optional<PhaseMoment> moonPhase;  // the principal phase that falls on it
  std::optional<PeriodDay> dogDays, nineNines;
  DogDaysStyle dogDaysStyle = DogDaysStyle::Counted;
  unsigned dayCycle = 0, monthCycle = 0;
  unsigned yearCycleByTerm = 0;  // the year changing at 立春
  friend bool operator==(const DayAlmanac&, const DayAlmanac&) = default;
};

// For a described day; `term` is the solar term on it (DayInfo::term), or 0.
DayAlmanac GetDayAlmanac(sys_days day, unsigned term, LunarCalendar calendar, Region region);

}  // namespace tessarine
