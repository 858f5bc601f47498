// The description of one Gregorian day in lunar terms: year, month and day
// names, the solar term that falls on it and its lunar festival.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_conversion.h"

namespace tessarine {

struct DayInfo {
  std::string YearText;   // e.g. 癸巳 蛇年
  std::string MonthText;  // e.g. 正月, 闰五月, 冬月
  std::string DayText;    // 初一 to 三十
  std::string TermText;   // a solar term's name, or empty
  std::string FestText;   // a lunar festival's name, or empty
  std::string Summary;    // the normal-format title; empty in the custom format
  friend bool operator==(const DayInfo&, const DayInfo&) = default;
};

// Names of the solar terms; SolarTermNames[k - 1] names term number k.
extern const std::array<std::string_view, 24> SolarTermNames;

struct LunarFestival {
  std::string_view Key;  // lunar month and day, two digits each: "0815"
  std::string_view Name;
};
extern const std::array<LunarFestival, 13> LunarFestivalDates;

// Describes `date`; `yearText` is its Gregorian year in decimal digits. While
// the normal format is active (bolDIY false) it also composes the title.
// Dates outside 1901-01-01..2050-12-31, which the tables cannot describe, give
// a record of empty texts and leave the leap-month state alone.
DayInfo GetDayInfo(LunarCalendar& cal, sys_days date, std::string_view yearText);

}  // namespace tessarine
