// Templates in the file's language: the default template's own words in
// each language and region, every token's text, the month and the day side
// by side, and no Chinese writing in a Korean or Vietnamese title unless the
// user typed it.
#include <gtest/gtest.h>

#include "compose/template_engine.h"
#include "support/chinese_text.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;

std::string Expand(std::string_view templ, sys_days date, Language language, LunarCalendar calendar) {
  return ExpandTemplate(templ, date, MonthNaming::WinterAndLast, true, language, calendar);
}

constexpr auto China = LunarCalendar::China, Korea = LunarCalendar::Korea, Vietnam = LunarCalendar::Vietnam;
constexpr auto Hans = Language::ZhHans, Hant = Language::ZhHant, Ko = Language::Korean, Vi = Language::Vietnamese;

// Seollal and Tết 2026 and the day before, in each language and region.
TEST(TemplateWordsTest, DefaultTemplateInEachLanguageAndRegion) {
  struct Case {
    Language language;
    Region region;
    LunarCalendar calendar;
    sys_days date;
    std::string_view title;
  };
  const Case cases[] = {
      {Hans, Region::China, China, Date(2026, 2, 17), "丙午年【马】 正月初一 2026年 26/2/17 周二 春节"},
      {Hans, Region::Taiwan, China, Date(2026, 2, 17), "丙午年【马】 正月初一 2026年 26/2/17 周二 春节"},
      {Hant, Region::China, China, Date(2026, 2, 17), "丙午年【馬】 正月初一 2026年 26/2/17 周二 春節"},
      {Hant, Region::Taiwan, China, Date(2026, 2, 17), "丙午年【馬】 正月初一 2026年 26/2/17 週二 春節"},
      {Hant, Region::Taiwan, China, Date(2026, 2, 15), "乙巳年【蛇】 臘月廿八 2026年 26/2/15 週日"},
      {Hant, Region::HongKong, China, Date(2026, 2, 17), "丙午年【馬】 正月初一 2026年 26/2/17 周二 春節"},
      {Ko, Region::Korea, Korea, Date(2026, 2, 17), "병오년 말띠 음력 1월 1일 2026. 2. 17.(화) 설날"},
      {Ko, Region::Korea, Korea, Date(2026, 2, 16), "을사년 뱀띠 음력 12월 29일 2026. 2. 16.(월) 섣달그믐"},
      {Ko, Region::Korea, Korea, Date(2012, 4, 21), "임진년 용띠 음력 윤3월 1일 2012. 4. 21.(토)"},
      {Vi, Region::Vietnam, Vietnam, Date(2026, 2, 17),
       "Mùng 1 tháng Giêng năm Bính Ngọ (Ngựa) T3, 17/2/2026 Tết Nguyên Đán"},
      {Vi, Region::Vietnam, Vietnam, Date(2026, 2, 16), "29 tháng Chạp năm Ất Tỵ (Rắn) T2, 16/2/2026 Giao thừa"},
      {Vi, Region::Vietnam, Vietnam, Date(2023, 3, 6), "Rằm tháng Hai năm Quý Mão (Mèo) T2, 6/3/2023 Kinh trập"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand(DefaultTemplateOf(c.language, c.region), c.date, c.language, c.calendar), c.title)
        << LanguageTag(c.language) << " " << RegionTag(c.region) << " " << testing::Iso(c.date);
  }
  // The mainland's is the template every Chinese file has been written by.
  EXPECT_EQ(DefaultTemplateOf(Hans, Region::China), DefaultTemplate);
  EXPECT_EQ(DefaultTemplateOf(Hant, Region::China), DefaultTemplate);
}

// The tokens on 立春 2026, a term day still in the old lunar year but in
// the new 寅 month: each token's text is the language's own.
TEST(TemplateWordsTest, EveryTokenInTheLanguage) {
  struct Case {
    Language language;
    LunarCalendar calendar;
    std::string_view texts;
  };
  const Case cases[] = {
      {Hans, China, "乙巳|蛇|腊月|十七|立春||三|己酉|庚寅"},
      {Hant, China, "乙巳|蛇|臘月|十七|立春||三|己酉|庚寅"},
      {Ko, Korea, "을사|뱀|12월|17일|입춘||수|기유|경인"},
      {Vi, Vietnam, "Ất Tỵ|Rắn|Tháng Chạp|17|Lập xuân||T4|Kỷ Dậu|Canh Dần"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand("LY|LZ|LM|LD|LT|LF|CW|GD|GM", Date(2026, 2, 4), c.language, c.calendar), c.texts) << LanguageTag(c.language);
  }
}

// The lunar month and day side by side read as the language writes a date;
// apart, each token is its own name.
TEST(TemplateWordsTest, MonthAndDayTogether) {
  struct Case {
    std::string_view templ;
    sys_days date;
    Language language;
    LunarCalendar calendar;
    std::string_view result;
  };
  const Case cases[] = {
      {"LMLD", Date(2026, 2, 17), Hans, China, "正月初一"},
      {"LMLD", Date(2026, 2, 16), Hant, China, "臘月廿九"},
      {"LLMLDD", Date(2026, 2, 17), Hans, China, "L正月初一D"},
      {"LMLD", Date(2026, 2, 17), Ko, Korea, "1월 1일"},
      {"LMLD", Date(2012, 4, 23), Ko, Korea, "윤3월 3일"},
      {"LM LD", Date(2026, 2, 17), Ko, Korea, "1월 1일"},
      {"LMLD", Date(2026, 2, 19), Vi, Vietnam, "Mùng 3 tháng Giêng"},
      {"LMLD", Date(2026, 3, 3), Vi, Vietnam, "Rằm tháng Giêng"},
      {"LMLD", Date(2026, 2, 16), Vi, Vietnam, "29 tháng Chạp"},
      {"LMLD", Date(2023, 3, 22), Vi, Vietnam, "Mùng 1 tháng Hai nhuận"},
      {"LM, LD", Date(2026, 3, 3), Vi, Vietnam, "Tháng Giêng, Rằm"},
      {"LMLDLMLD", Date(2026, 3, 3), Vi, Vietnam, "Rằm tháng GiêngRằm tháng Giêng"},
      {"LMLD", Date(1900, 12, 25), Vi, Vietnam, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand(c.templ, c.date, c.language, c.calendar), c.result) << c.templ << " " << testing::Iso(c.date);
  }
}

// What the user typed stays as typed, Chinese words and all: only the
// tokens are the language's.
TEST(TemplateWordsTest, TypedWordsAreKept) {
  EXPECT_EQ(Expand("LY年【LZ】 周CW", Date(2026, 2, 17), Ko, Korea), "병오年【말】 周화");
  EXPECT_EQ(Expand("Tết LMLD", Date(2026, 2, 17), Hans, China), "Tết 正月初一");
}

// Every token and the default template's own words, over two years of each
// calendar (a leap month among them): nothing in Chinese writing in Korean
// or Vietnamese, not 年, not 周, not 【】.
TEST(TemplateWordsTest, KoreanAndVietnameseTitlesHoldNoChineseWriting) {
  for (const Language language : {Ko, Vi}) {
    for (const LunarCalendar calendar : {China, Korea, Vietnam}) {
      const std::string templ = std::string(DefaultTemplateOf(language, RegionOf(calendar))) + " LM LD LH LP LS GD GM";
      for (const int year : {2023, 2026}) {
        for (auto date = Date(year, 1, 1); date <= Date(year, 12, 31); date += std::chrono::days{1}) {
          const std::string title = Expand(templ, date, language, calendar);
          const auto chinese = testing::FirstChineseCharacter(title);
          ASSERT_FALSE(chinese) << title << " U+" << std::hex << static_cast<unsigned>(*chinese);
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessarine
