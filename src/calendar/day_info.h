// The description of one Gregorian day in lunar terms: the day as numbers
// (lunar date, month length, solar term, festival, the year's stem and
// branch), and the Chinese names they give. Composing an event title from it
// is a separate step (see compose/), which decides by the numbers and shows
// the names.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/lunar_date.h"
#include "calendar/lunar_names.h"

namespace tessarine {

struct DayInfo {
  // The day as numbers.
  LunarDate lunar;                    // {} for an undescribed day
  unsigned monthDays = 0;             // 29 or 30
  unsigned term = 0;                  // 1 (小寒) to 24 (冬至), or 0
  std::optional<std::size_t> festival;  // an index of LunarFestivalDates
  unsigned yearCycle = 0;             // the named year in the 60-year cycle: stem = cycle % 10, branch = cycle % 12

  // Their names.
  std::string stemBranch;  // the lunar year's stem and branch, e.g. 癸巳
  std::string zodiac;      // the lunar year's animal, e.g. 蛇
  std::string monthText;   // e.g. 正月, 闰五月, 冬月
  std::string dayText;     // 初一 to 三十
  std::string termText;    // a solar term's name, or empty
  std::string festText;    // a lunar festival's name, or empty

  // The year as one name, e.g. 癸巳 蛇年; empty for an undescribed day.
  std::string yearText() const {
    return stemBranch.empty() ? std::string() : stemBranch + " " + zodiac + "年";
  }
  friend bool operator==(const DayInfo&, const DayInfo&) = default;
};

struct LunarFestival {
  unsigned month;
  unsigned day;
  std::string_view name;
};
// 除夕 is the last: the last day of month 12 or its leap copy, 29 or 30.
extern const std::array<LunarFestival, 13> LunarFestivalDates;

// Describes `date`. Days outside the described years, which the tables
// cannot describe, give a record of empty texts.
DayInfo GetDayInfo(sys_days date, MonthNaming naming, Language language = Language::ZhHans);

}  // namespace tessarine
