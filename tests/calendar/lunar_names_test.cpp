#include "calendar/lunar_names.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(YearName(2023, Language::Vietnamese), "Năm Quý Mão");  // the year of the cat
  EXPECT_EQ(ZodiacName(2021, Language::Vietnamese), "Sửu");        // the buffalo
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
