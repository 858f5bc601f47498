// The program's fixed words in each language it writes: stems, branches and
// zodiac, month and day names, solar terms, festivals, weekdays, 休/班 and
// the calendars' own names. One table a language; everything the files and
// the window name comes from here, while the user's own text (templates,
// list names) is never converted.
//
//   zh-Hans  简体, the Chinese of the mainland: 腊月, 闰, 惊蛰, 龙
//   zh-Hant  繁體, as Taiwan, Hong Kong and Macau write: 臘月, 閏, 驚蟄, 龍
//   ko       한국어, a lunar date as Korean phones show it, marked lunar: 음 3.15, 윤3월, 설날
//   vi       Tiếng Việt: Mùng 1, Rằm, Tháng Giêng, Tháng Tư nhuận, Tết Nguyên Đán
//
// How names join is part of each language too, as patterns with the named
// fields {month}, {day}, {leap}, {monthNumber}, {dayNumber}, {cycle},
// {animal}, {calendar}, {year} and {monthDay} (see compose/day_names.h). A
// name is kept as it stands alone, as a title or a field shows it; a field
// ending in InText ({monthInText}, {yearInText}) is the name as it reads
// inside a phrase, its first letter in lower case: Vietnamese writes
// "Tháng Giêng" alone but "mùng 3 tháng Giêng", "29 tháng Chạp năm Ất Tỵ".
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calendar/lunar_date.h"
#include "calendar/lunar_festivals.h"
#include "calendar/region.h"
#include "calendar/solar_festivals.h"

namespace tessarine {

enum class Language { ZhHans, ZhHant, Korean, Vietnamese };

// "zh-Hans", "zh-Hant", "ko" or "vi".
std::string_view LanguageTag(Language language);

// A BCP 47 tag in any case, with "-" or "_": zh-Hans, zh-CN and zh-SG are
// 简体; zh-Hant, zh-TW, zh-HK and zh-MO 繁體; ko, ko-KR Korean; vi, vi-VN
// Vietnamese. The region subtag of a Chinese tag also says whose words
// 繁體 follows (RegionOfLanguageTag): zh-TW Taiwan's, zh-HK and zh-MO
// Hong Kong's.
std::optional<Language> LanguageOfTag(std::string_view tag);
std::optional<Region> RegionOfLanguageTag(std::string_view tag);

// The language a calendar's files are written in unless the user chooses.
Language DefaultLanguageOf(LunarCalendar calendar);

// The language a region's files are written in unless the user chooses:
// 简体 on the mainland, 繁體 in Taiwan and Hong Kong, Korean, Vietnamese.
Language DefaultLanguageOf(Region region);

// "chinese", "korean" or "vietnamese", and back.
std::string_view CalendarTag(LunarCalendar calendar);
std::optional<LunarCalendar> CalendarOfTag(std::string_view tag);

struct Vocabulary {
  std::array<std::string_view, 10> stems;
  std::array<std::string_view, 12> branches;
  std::string_view stemBranchJoin;                     // between a stem and a branch
  std::array<std::string_view, 12> animals;            // by branch: 鼠 for 子
  std::string_view yearPattern;                        // {cycle} {animal}年
  std::array<std::string_view, 12> months;             // 正月 … 十月, 冬月, 腊月
  std::array<std::string_view, 2> numberedMonths;      // 十一月, 十二月
  std::string_view leap;                               // before a leap month's name: 闰
  std::string_view leapAfter;                          // or after it: " nhuận"
  std::array<std::string_view, 30> days;               // 初一 … 三十
  std::string_view dayPattern;                         // a day that is not a month's first: {day}
  std::string_view monthDayPattern;                    // month and day together: {month}{day}
  std::string_view titleMark;                          // before a title that is a lunar date: 음
  std::string_view lunarDatePattern;                   // with its year and calendar: {calendar}{year} {monthDay}
  std::array<std::string_view, 24> terms;              // 小寒 … 冬至
  // Every festival of every region, as this language names it: a user may
  // read any region's days in any language. A nation's own day is named
  // plainly in its own language and, in another, with the nation's name
  // where that language's readers keep a day of the same name on another
  // date (Quốc khánh Trung Quốc, 韩国光复节).
  std::array<std::string_view, kLunarFestivalCount> lunarFestivals;  // by LunarFestival
  std::array<std::string_view, kSolarFestivalCount> gregorianFestivals;  // by SolarFestival
  std::array<std::string_view, 7> weekdays;            // Sunday first: 日, 一 … 六
  std::string_view dayOff, workday;                    // 休, 班
  std::array<std::string_view, 3> calendarNames;       // by LunarCalendar: 农历, 韩国阴历, 越南阴历
  std::string_view anniversariesName;                  // 农历纪念日
  std::string_view reminderPattern;                    // a reminder event: {days}天后：{name}
  std::array<std::string_view, 4> moonPhases;          // 新月, 上弦, 满月, 下弦
  std::array<std::string_view, 3> dogDays;             // 初伏, 中伏, 末伏
  std::array<std::string_view, 9> nines;               // 一九 … 九九
  std::string_view periodDayPattern;                   // {period}第{day}天
  std::string_view ganzhiPattern;                      // {year}年 {month}月 {day}日
  std::string_view moonCalendarName, termCalendarName;  // 月相, 二十四节气
};

const Vocabulary& VocabularyOf(Language language);

// The calendar a list names by its tag (korean) or by its name in any
// language of the vocabulary (韩国阴历, 韓國陰曆, 음력, Âm lịch Hàn Quốc).
std::optional<LunarCalendar> CalendarOfName(std::string_view name);

// The Chinese tables, and the Korean and Vietnamese ones, each in its file.
extern const Vocabulary kSimplifiedWords;
extern const Vocabulary kTraditionalWords;
extern const Vocabulary kKoreanWords;
extern const Vocabulary kVietnameseWords;

}  // namespace tessarine
