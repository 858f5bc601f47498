#include "calendar/lunar_names.h"

#include <gtest/gtest.h>

#include "calendar/vocabulary_patterns.h"

namespace tessarine {
namespace {

TEST(YearNameTest, StemBranchAndAnimal) {
  const std::pair<int, const char*> cases[] = {
      {1900, "庚子 鼠年"}, {1901, "辛丑 牛年"}, {1984, "甲子 鼠年"}, {2000, "庚辰 龙年"},
      {2023, "癸卯 兔年"}, {2024, "甲辰 龙年"}, {2050, "庚午 马年"}, {2011, "辛卯 兔年"},
  };
  for (const auto& [year, name] : cases) EXPECT_EQ(YearName(year), name) << year;
}

TEST(YearNameTest, InEachLanguage) {
  EXPECT_EQ(YearName(2026, Language::ZhHant), "丙午 馬年");
  EXPECT_EQ(YearName(2026, Language::Korean), "병오년 말띠");
  EXPECT_EQ(YearName(2023, Language::Vietnamese), "Năm Quý Mão");  // the year keeps its branch
}

// Vietnam names the animal, its own: the cat for Mão, the buffalo for Sửu.
TEST(YearNameTest, VietnameseZodiacAnimals) {
  const char* const animals[] = {"Chuột", "Trâu", "Hổ", "Mèo", "Rồng", "Rắn", "Ngựa", "Dê", "Khỉ", "Gà", "Chó", "Lợn"};
  for (int year = 2020; year < 2032; ++year) {
    EXPECT_EQ(ZodiacName(year, Language::Vietnamese), animals[year - 2020]) << year;  // 2020 a 子 year
  }
  EXPECT_EQ(ZodiacName(2023, Language::Vietnamese), "Mèo");
  EXPECT_EQ(ZodiacName(2021, Language::Vietnamese), "Trâu");
  EXPECT_EQ(StemBranchName(2023, Language::Vietnamese), "Quý Mão");
}

// Dates as each language writes them: alone, side by side, and with the
// year in the calendar's words (the lunar year, not the 干支 pillar).
TEST(LunarDateNameTest, InEachLanguage) {
  constexpr auto Winter = MonthNaming::WinterAndLast;
  struct Case {
    LunarDate date;
    Language language;
    LunarCalendar calendar;
    const char* day;       // DayOfMonthName
    const char* monthDay;  // MonthAndDayName
    const char* withYear;  // LunarDateName
  };
  const Case cases[] = {
      {{2025, 12, 29}, Language::ZhHans, LunarCalendar::China, "廿九", "腊月廿九", "农历乙巳 蛇年 腊月廿九"},
      {{2025, 12, 29}, Language::ZhHant, LunarCalendar::China, "廿九", "臘月廿九", "農曆乙巳 蛇年 臘月廿九"},
      {{2025, 12, 29}, Language::Korean, LunarCalendar::Korea, "12.29", "12월 29일", "음력 을사년 뱀띠 12월 29일"},
      {{2012, 3, 15, true}, Language::Korean, LunarCalendar::Korea, "윤3.15", "윤3월 15일", "음력 임진년 용띠 윤3월 15일"},
      {{2025, 12, 29}, Language::Vietnamese, LunarCalendar::Vietnam, "29", "29 tháng Chạp",
       "Âm lịch: 29 tháng Chạp năm Ất Tỵ"},
      {{2026, 1, 3}, Language::Vietnamese, LunarCalendar::Vietnam, "Mùng 3", "Mùng 3 tháng Giêng",
       "Âm lịch: Mùng 3 tháng Giêng năm Bính Ngọ"},
      {{2026, 7, 15}, Language::Vietnamese, LunarCalendar::China, "Rằm", "Rằm tháng Bảy",
       "Âm lịch Trung Quốc: Rằm tháng Bảy năm Bính Ngọ"},
      {{2025, 6, 10, true}, Language::Vietnamese, LunarCalendar::Vietnam, "Mùng 10", "Mùng 10 tháng Sáu nhuận",
       "Âm lịch: Mùng 10 tháng Sáu nhuận năm Ất Tỵ"},
      {{2025, 13, 1}, Language::Vietnamese, LunarCalendar::Vietnam, "", "", ""},
  };
  for (const auto& c : cases) {
    const std::string tag(LanguageTag(c.language));
    EXPECT_EQ(DayOfMonthName(c.date, c.language), c.day) << tag << " " << c.monthDay;
    EXPECT_EQ(MonthAndDayName(c.date, Winter, c.language), c.monthDay) << tag;
    EXPECT_EQ(LunarDateName(c.date, Winter, c.language, c.calendar), c.withYear) << tag;
  }
}

TEST(DayNameTest, VietnameseDaysOfTheMonth) {
  EXPECT_EQ(DayName(1, Language::Vietnamese), "Mùng 1");
  EXPECT_EQ(DayName(10, Language::Vietnamese), "Mùng 10");
  EXPECT_EQ(DayName(14, Language::Vietnamese), "14");
  EXPECT_EQ(DayName(15, Language::Vietnamese), "Rằm");
  EXPECT_EQ(DayName(16, Language::Vietnamese), "16");
}

// Every language names every word, and every tag and calendar name reads back.
TEST(VocabularyTest, CompleteAndReadBack) {
  for (const Language language : {Language::ZhHans, Language::ZhHant, Language::Korean, Language::Vietnamese}) {
    EXPECT_EQ(LanguageOfTag(LanguageTag(language)), language);
    const Vocabulary& words = VocabularyOf(language);
    const auto allNamed = [&](const auto& list) {
      for (const std::string_view word : list) EXPECT_FALSE(word.empty()) << LanguageTag(language);
    };
    allNamed(words.stems), allNamed(words.branches), allNamed(words.animals), allNamed(words.months);
    allNamed(words.days), allNamed(words.terms), allNamed(words.lunarFestivals), allNamed(words.gregorianFestivals);
    allNamed(words.weekdays), allNamed(words.calendarNames);
    for (std::size_t i = 0; i < words.calendarNames.size(); ++i) {
      EXPECT_EQ(CalendarOfName(words.calendarNames[i]), static_cast<LunarCalendar>(i)) << words.calendarNames[i];
    }
  }
  EXPECT_EQ(CalendarOfName("korean"), LunarCalendar::Korea);
  EXPECT_FALSE(LanguageOfTag("en"));
}

// The check each vocabulary table's patterns pass when compiled: only the
// fields they are filled with, each as {name}, so that filling never fails.
TEST(VocabularyTest, APatternNamesOnlyTheFieldsItIsFilledWith) {
  const struct {
    std::string_view pattern;
    bool fills;
  } cases[] = {
      {"{day}", true},   {"{month}{day}", true}, {"第{day}天", true},   {"no field", true}, {"", true},
      {"{{day}}", true}, {"{unknown}", false},   {"{day", false},      {"day}", false},    {"{day:02}", false},
      {"{}", false},     {"{ day}", false},      {"{day}}", false},    {"}{day}", false},  {"{{", true},
  };
  for (const auto& c : cases) EXPECT_EQ(NamesOnly(c.pattern, {"month", "day"}), c.fills) << c.pattern;
  for (const Language language : {Language::ZhHans, Language::ZhHant, Language::Korean, Language::Vietnamese}) {
    EXPECT_TRUE(PatternsFill(VocabularyOf(language))) << LanguageTag(language);
  }
}

TEST(MonthNameTest, PlainLeapAndWinterNames) {
  const char* const winter[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                "七月", "八月", "九月", "十月", "冬月", "腊月"};
  for (unsigned month = 1; month <= 12; ++month) {
    EXPECT_EQ(MonthName(month, false, MonthNaming::WinterAndLast), winter[month - 1]);
    EXPECT_EQ(MonthName(month, true, MonthNaming::WinterAndLast), std::string("闰") + winter[month - 1]);
  }
  EXPECT_EQ(MonthName(10, false, MonthNaming::Numbered), "十月");
  EXPECT_EQ(MonthName(11, false, MonthNaming::Numbered), "十一月");
  EXPECT_EQ(MonthName(12, false, MonthNaming::Numbered), "十二月");
  EXPECT_EQ(MonthName(11, true, MonthNaming::Numbered), "闰十一月");
  EXPECT_EQ(MonthName(0, false, MonthNaming::Numbered), "");
  EXPECT_EQ(MonthName(13, true, MonthNaming::WinterAndLast), "");
}

TEST(DayNameTest, AllThirtyDays) {
  const char* const names[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                               "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                               "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int day = 1; day <= 30; ++day) EXPECT_EQ(DayName(day), names[day - 1]) << day;
  EXPECT_EQ(DayName(0), "");
  EXPECT_EQ(DayName(31), "");
}

}  // namespace
}  // namespace tessarine
