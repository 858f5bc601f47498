// Chinese names of lunar years, months and days.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/lunar_calendar.h"

namespace tessarine {

// Stem, branch, a blank, the zodiac animal and 年, e.g. "癸卯 兔年".
std::string YearName(std::uint16_t year);

// 正月 to 十月, then 冬月/腊月 or 十一月/十二月 by bolDongLa, with 闰 in front
// when the leap test just found the day in the leap month of this number.
// Call it right after UpdateLeapMonthFlag for the same date.
std::string MonthName(const LunarCalendar& cal, std::uint16_t month);

// 初一 to 初十, 十一 to 十九, 二十, 廿一 to 廿九, 三十. Empty outside 1-30.
std::string DayName(std::uint16_t day);

}  // namespace tessarine
