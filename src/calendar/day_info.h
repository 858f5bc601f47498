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
extern const std::array<LunarFestival, 13> LunarFestivalDates;

// Describes `date`. Days outside the described years, which the tables
// cannot describe, give a record of empty texts.
DayInfo GetDayInfo(sys_days date, MonthNaming naming);

}  // namespace tessarine
