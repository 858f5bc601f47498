// A described day's names in a language: what the template tokens, the
// command line's description and the window show. Names are looked up from
// the day's numbers; nothing here is decided by comparing them.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "calendar/lunar_names.h"

namespace tessarine {

struct DayNames {
  std::string stemBranch;        // the lunar year's stem and branch: 癸巳
  std::string_view zodiac;       // its animal: 蛇
  std::string year;              // both as one name: 癸巳 蛇年
  std::string month;             // 正月, 闰五月, 冬月
  std::string_view day;          // 初一 … 三十
  std::string_view term;         // a solar term, or empty
  std::string_view festival;     // the region's first lunar festival of the day, or empty
  std::string_view gregorian;    // its first Gregorian festival or national day, or empty
  std::string_view weekday;      // 日, 一 … 六
};

// Every name empty but the weekday and the Gregorian festival for a day that
// is not described.
DayNames NamesOf(sys_days date, const DayInfo& info, MonthNaming naming, Language language);

// A festival's name in `language`.
std::string_view FestivalName(LunarFestival festival, Language language);
std::string_view FestivalName(SolarFestival festival, Language language);

// The name of the day's first lunar festival (the one a title shows) and of
// its solar term; empty when there is none.
std::string_view FestivalName(const DayInfo& info, Language language);
std::string_view TermName(const DayInfo& info, Language language);

}  // namespace tessarine
