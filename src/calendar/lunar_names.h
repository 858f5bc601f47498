// Names of lunar years, months and days, in a language of the program's
// vocabulary (calendar/vocabulary.h).
#pragma once

#include <string>
#include <string_view>

#include "calendar/vocabulary.h"

namespace tessarine {

// How lunar months 11 and 12 are named: 冬月 and 腊月, or 十一月 and 十二月.
enum class MonthNaming { WinterAndLast, Numbered };

// The year's place in the 60-year cycle, 0 for a 甲子 year: its stem is
// cycle % 10, its branch and zodiac animal cycle % 12.
unsigned YearCycle(int year);

// The year's stem and branch, e.g. "癸卯".
std::string StemBranchName(int year, Language language = Language::ZhHans);

// The year's zodiac animal, e.g. "兔".
std::string_view ZodiacName(int year, Language language = Language::ZhHans);

// Stem, branch, a blank, the zodiac animal and 年, e.g. "癸卯 兔年".
std::string YearName(int year, Language language = Language::ZhHans);

// 正月 to 十月, then months 11 and 12 by `naming`, with 闰 in front for a
// leap month. Empty outside 1-12.
std::string MonthName(unsigned month, bool leap, MonthNaming naming, Language language = Language::ZhHans);

// 初一 to 初十, 十一 to 十九, 二十, 廿一 to 廿九, 三十. Empty outside 1-30.
std::string DayName(unsigned day);

}  // namespace tessarine
