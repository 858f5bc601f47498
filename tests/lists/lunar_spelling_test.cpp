// The lunar date as each language writes it, read by the one reader both
// front ends use: the forms people write, and every date the program
// itself writes in each of its languages, read back to the same date.
#include <gtest/gtest.h>

#include <chrono>

#include "calendar/lunar_names.h"
#include "lists/anniversary_entry.h"

namespace tessarine {
namespace {

using namespace std::chrono;

TEST(LunarSpellingTest, EachLanguagesForms) {
  struct Case {
    const char* text;
    unsigned month, day;
    bool leap;
  };
  const Case cases[] = {
      // Korean
      {"3월 8일", 3, 8, false},    {"3월8일", 3, 8, false},        {"윤3월 3일", 3, 3, true},
      {"음력 10월 5일", 10, 5, false}, {"음 3.8", 3, 8, false},     {"3.8", 3, 8, false},
      {"음 윤3.15", 3, 15, true},   {"윤 3월 3일", 3, 3, true},     {"12월 30일", 12, 30, false},
      {"３월 ８일", 3, 8, false},   {"음력 1월 1일", 1, 1, false},  {"11월 5", 11, 5, false},
      // Vietnamese
      {"mùng 8 tháng 3", 3, 8, false},  {"mồng 8 tháng 3", 3, 8, false},   {"8 tháng Ba", 3, 8, false},
      {"rằm tháng Giêng", 1, 15, false}, {"23 tháng Chạp", 12, 23, false},  {"15 tháng 3 nhuận", 3, 15, true},
      {"RẰM THÁNG GIÊNG", 1, 15, false}, {"Mùng 3 tháng Giêng", 1, 3, false}, {"5 tháng Mười Một", 11, 5, false},
      {"5 tháng Mười", 10, 5, false},    {"5 tháng Mười Hai", 12, 5, false},  {"15 tháng Năm", 5, 15, false},
      {"15 tháng Năm nhuận", 5, 15, true}, {"15 tháng nhuận 4", 4, 15, true}, {"ngày 8 tháng 3", 3, 8, false},
      {"mùng 8 tháng 3 âm lịch", 3, 8, false}, {"Âm lịch: 8 tháng 3", 3, 8, false},
      // English and the Chinese forms of before
      {"3-8", 3, 8, false},         {"leap 3-15", 3, 15, true},     {"Leap 3-15", 3, 15, true},
      {"L4-15", 4, 15, true},       {"三月初八", 3, 8, false},      {"闰四月十五", 4, 15, true},
      {"臘月廿三", 12, 23, false},  {"閏四月十五", 4, 15, true},    {"三月 初八", 3, 8, false},
  };
  for (const auto& c : cases) {
    const auto read = ParseLunarMonthDay(c.text);
    ASSERT_TRUE(read.has_value()) << c.text;
    EXPECT_EQ(std::tie(read->month, read->day, read->leap), std::tie(c.month, c.day, c.leap)) << c.text;
  }
}

TEST(LunarSpellingTest, WhatIsNotALunarMonthAndDay) {
  struct Case {
    const char* text;
    EntryProblem problem;
  };
  const Case cases[] = {
      {"13월 1일", EntryProblem::UnknownMonth},     {"3월 40일", EntryProblem::UnknownDay},
      {"3.31", EntryProblem::UnknownDay},          {"tháng Mười Ba", EntryProblem::UnknownMonth},
      {"8 tháng Mười Ba", EntryProblem::UnknownMonth}, {"40 tháng 3", EntryProblem::UnknownDay},
      {"mùng tháng 3", EntryProblem::UnknownDay},  {"leap", EntryProblem::UnknownDate},
      {"2026-04-03", EntryProblem::UnknownDate},   {"hôm nay", EntryProblem::UnknownDate},
      // A Gregorian day in words, in each language.
      {"1960년 4월 3일", EntryProblem::GregorianInWords}, {"1960. 4. 3.", EntryProblem::GregorianInWords},
      {"ngày 3 tháng 4 năm 1960", EntryProblem::GregorianInWords},
      // A lunar date with its year: the year goes in the first-year field.
      {"음력 1960년 3월 8일", EntryProblem::YearInLunarDate}, {"음 1960.3.8", EntryProblem::YearInLunarDate},
      {"8 tháng 3 năm 1960 âm lịch", EntryProblem::YearInLunarDate},
      {"15 tháng Năm năm Ất Tỵ", EntryProblem::YearInLunarDate},
  };
  for (const auto& c : cases) {
    const auto read = ParseLunarMonthDay(c.text);
    ASSERT_FALSE(read.has_value()) << c.text;
    EXPECT_EQ(read.error(), c.problem) << c.text;
  }
}

// Every day of a year with a leap month, in each calendar whose leap month
// it is, written as the program writes it in every language and read back.
TEST(LunarSpellingTest, EverythingTheProgramWritesReadsBack) {
  constexpr Language kLanguages[] = {Language::ZhHans, Language::ZhHant, Language::Korean, Language::Vietnamese};
  const sys_days from{2023y / January / 22}, to{2024y / February / 9};  // lunar 2023, leap month 2
  int leapDays = 0;
  for (sys_days day = from; day <= to; day += days{1}) {
    const LunarDate date = *ToLunarDate(day, LunarCalendar::China);
    leapDays += date.leap;
    for (const Language language : kLanguages) {
      std::vector<std::string> written = {MonthAndDayName(date, MonthNaming::WinterAndLast, language),
                                          MonthAndDayName(date, MonthNaming::Numbered, language)};
      if (language == Language::Korean) {
        // A title's month.day, marked lunar as a title marks it: 음 3.15, 음 윤2.15.
        written.push_back(std::string(VocabularyOf(language).titleMark) + DayOfMonthName(date, language));
      }
      for (const std::string& text : written) {
        const auto read = ParseLunarMonthDay(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(std::tie(read->month, read->day, read->leap), std::tie(date.month, date.day, date.leap)) << text;
      }
      // With its year the date is refused, saying where the year goes.
      const std::string withYear = LunarDateName(date, MonthNaming::WinterAndLast, language, LunarCalendar::China);
      const auto refused = ParseLunarMonthDay(withYear);
      ASSERT_FALSE(refused.has_value()) << withYear;
      EXPECT_EQ(refused.error(), EntryProblem::YearInLunarDate) << withYear;
    }
  }
  EXPECT_EQ(leapDays, 29);  // the leap month was written too
}

}  // namespace
}  // namespace tessarine
