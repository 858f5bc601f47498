// The description of one Gregorian day in lunar terms: year, month and day
// names, the solar term that falls on it and its lunar festival. Composing an
// event title from it is a separate step (see compose/).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/lunar_date.h"
#include "calendar/lunar_names.h"

namespace tessarine {

struct DayInfo {
  std::string YearText;   // e.g. 癸巳 蛇年
  std::string MonthText;  // e.g. 正月, 闰五月, 冬月
  std::string DayText;    // 初一 to 三十
  std::string TermText;   // a solar term's name, or empty
  std::string FestText;   // a lunar festival's name, or empty
  friend bool operator==(const DayInfo&, const DayInfo&) = default;
};

struct LunarFestival {
  unsigned month;
  unsigned day;
  std::string_view name;
};
extern const std::array<LunarFestival, 13> LunarFestivalDates;

// Describes `date`. Dates outside 1901-01-01..2050-12-31, which the tables
// cannot describe, give a record of empty texts.
DayInfo GetDayInfo(sys_days date, MonthNaming naming);

}  // namespace tessarine
