// The program's fixed words in each language it writes: stems, branches and
// zodiac, month and day names, solar terms, festivals, weekdays and the
// calendar's own name. One table a language; everything the files and the
// window name comes from here, while the user's own text (templates, list
// names) is never converted.
//
//   zh-Hans  简体, the Chinese of the mainland: 腊月, 闰, 惊蛰, 龙
//   zh-Hant  繁體, as Taiwan, Hong Kong and Macau write: 臘月, 閏, 驚蟄, 龍
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tessarine {

enum class Language { ZhHans, ZhHant };

// "zh-Hans" or "zh-Hant", and back.
std::string_view LanguageTag(Language language);
std::optional<Language> LanguageOfTag(std::string_view tag);

struct Vocabulary {
  std::array<std::string_view, 10> stems;
  std::array<std::string_view, 12> branches;
  std::array<std::string_view, 12> animals;            // by branch: 鼠 for 子
  std::array<std::string_view, 12> months;             // 正月 … 十月, 冬月, 腊月
  std::array<std::string_view, 2> numberedMonths;      // 十一月, 十二月
  std::string_view leap;                               // before a leap month's name
  std::string_view yearWord;                           // after a year's name: 年
  std::array<std::string_view, 24> terms;              // 小寒 … 冬至
  std::array<std::string_view, 13> lunarFestivals;     // in the order of LunarFestivalDates
  std::array<std::string_view, 15> gregorianFestivals;  // in the order of the festival rules
  std::string_view calendarName;                       // 农历
  std::string_view anniversariesName;                  // 农历纪念日
};

const Vocabulary& VocabularyOf(Language language);

}  // namespace tessarine
