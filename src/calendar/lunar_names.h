// Names of lunar years, months and days in a language of the program's
// vocabulary (calendar/vocabulary.h), joined by that language's patterns.
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

// A place in the 60 cycle (甲子 is 0) as its stem and branch: "甲子", "갑자", "Giáp Tý".
std::string CycleName(unsigned cycle, Language language = Language::ZhHans);

// The year's stem and branch, e.g. "癸卯", "계묘", "Quý Mão".
std::string StemBranchName(int year, Language language = Language::ZhHans);

// The year's zodiac animal, e.g. "兔".
std::string_view ZodiacName(int year, Language language = Language::ZhHans);

// The year as one name, e.g. "癸卯 兔年", "계묘년 토끼띠", "Năm Quý Mão".
std::string YearName(int year, Language language = Language::ZhHans);

// 正月 to 十月, then months 11 and 12 by `naming`, marked as leap for a leap
// month (闰五月, 윤5월, Tháng Năm nhuận). Empty outside 1-12.
std::string MonthName(unsigned month, bool leap, MonthNaming naming, Language language = Language::ZhHans);

// 初一 to 三十, 1일 to 30일, Mùng 1 to 30 with Rằm for the 15th. Empty
// outside 1-30.
std::string_view DayName(unsigned day, Language language = Language::ZhHans);

// A day of the month as a title shows it when it is not the month's first:
// 十五, 3.15, Rằm (a title marks it lunar as the language does, see
// Vocabulary::titleMark). Empty for a date that is not ok().
std::string DayOfMonthName(const LunarDate& date, Language language = Language::ZhHans);

// The month and day together, as the language writes them: 三月十五,
// 3월 15일, Rằm tháng Ba, mùng 3 tháng Giêng as "Mùng 3 tháng Giêng".
std::string MonthAndDayName(const LunarDate& date, MonthNaming naming, Language language = Language::ZhHans);

// The date with its year, in the words of `calendar`, so that the year reads
// as the lunar year (from New Year's day) and not as a 干支 year pillar,
// which changes at 立春: 农历乙巳 蛇年 腊月廿九, 음력 을사년 뱀띠 12월 29일,
// Âm lịch: 29 tháng Chạp năm Ất Tỵ. Empty for a date that is not ok().
std::string LunarDateName(const LunarDate& date, MonthNaming naming, Language language, LunarCalendar calendar);

}  // namespace tessarine
