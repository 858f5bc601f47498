#include "compose/normal_summary.h"

#include <gtest/gtest.h>
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::days;

using testing::Date;

constexpr auto Day = DisplayMode::Day;
constexpr auto MonthDay = DisplayMode::MonthAndDay;
constexpr auto FestTerm = DisplayMode::FestivalsAndTerms;
constexpr auto Terms = DisplayMode::TermsOnly;
constexpr auto Fest = FestivalAndTerm::Festival;
constexpr auto Term = FestivalAndTerm::Term;
constexpr auto Both = FestivalAndTerm::Both;

std::string Title(sys_days date, NormalFormat format = {}, MonthNaming naming = MonthNaming::WinterAndLast) {
  return NormalSummary(GetDayInfo(date, LunarCalendar::China, Region::China), format, naming);
}

TEST(NormalSummaryTest, TitlesByModeAndRule) {
  struct Case {
    sys_days date;
    DisplayMode mode;
    FestivalAndTerm both;
    bool noFT, dongLa;
    const char* title;
  };
  const Case cases[] = {
      {Date(2013, 2, 10), Day, Fest, false, true, "春节"},
      {Date(2013, 2, 10), Day, Fest, true, true, "正月"},
      {Date(2013, 4, 10), Day, Fest, false, true, "三月"},
      {Date(2013, 4, 10), MonthDay, Fest, false, true, "三月"},
      {Date(2013, 4, 14), Day, Fest, false, true, "初五"},
      {Date(2013, 4, 14), MonthDay, Fest, false, true, "三月初五"},
      {Date(2023, 3, 22), Day, Fest, false, true, "闰二月"},
      {Date(2023, 3, 22), MonthDay, Fest, false, true, "闰二月"},
      {Date(2023, 3, 23), MonthDay, Fest, false, true, "闰二月初二"},
      {Date(2013, 12, 4), MonthDay, Fest, false, true, "冬月初二"},
      {Date(2013, 12, 4), MonthDay, Fest, false, false, "十一月初二"},
      {Date(2019, 2, 4), Day, Fest, false, true, "除夕"},
      {Date(2019, 2, 4), Day, Term, false, true, "立春"},
      {Date(2019, 2, 4), Day, Both, false, true, "除夕/立春"},
      {Date(2015, 2, 19), Day, Both, false, true, "春节/雨水"},
      {Date(2015, 2, 19), Day, Both, true, true, "正月"},
      {Date(2013, 4, 14), FestTerm, Fest, false, true, ""},
      {Date(2013, 2, 10), Terms, Fest, false, true, ""},
      {Date(2013, 12, 22), Terms, Fest, false, true, "冬至"},
      {Date(2013, 12, 22), Terms, Fest, true, true, ""},
  };
  for (const auto& c : cases) {
    const NormalFormat format{c.mode, c.both, c.noFT};
    EXPECT_EQ(Title(c.date, format, c.dongLa ? MonthNaming::WinterAndLast : MonthNaming::Numbered), c.title)
        << testing::Iso(c.date) << " mode " << static_cast<int>(c.mode) << " both " << static_cast<int>(c.both)
        << " noFT " << c.noFT;
  }
}

TEST(NormalSummaryTest, TitledDaysOf2013ByMode) {
  const std::pair<DisplayMode, int> expected[] = {{Day, 365}, {MonthDay, 365}, {FestTerm, 37}, {Terms, 24}};
  for (const auto& [mode, titled] : expected) {
    int count = 0;
    for (auto date = Date(2013, 1, 1); date <= Date(2013, 12, 31); date += days{1}) {
      count += !Title(date, {mode, Fest, false}).empty();
    }
    EXPECT_EQ(count, titled) << "mode " << static_cast<int>(mode);
  }
}

TEST(NormalSummaryTest, WithoutFestivalsAndTermsEveryTitleIsADayOrMonthName) {
  for (auto date = Date(2013, 1, 1); date <= Date(2013, 12, 31); date += days{1}) {
    const std::string title = Title(date, {Day, Fest, true});
    EXPECT_TRUE(title.ends_with("月") || title.size() == 6) << title;
  }
}

// The first of a month is known by its number, and a festival by its
// identifier: the title is composed from numbers alone.
TEST(NormalSummaryTest, ComposedFromTheNumbers) {
  DayInfo first;
  first.lunar = {2013, 3, 1};
  EXPECT_EQ(NormalSummary(first, {Day, Fest, false}), "三月");
  DayInfo info;
  info.lunar = {2013, 3, 5};
  info.term = 7;  // 清明
  info.lunarFestivals = {LunarFestival::ColdFood};
  EXPECT_EQ(NormalSummary(info, {Terms, Fest, false}), "清明");
  EXPECT_EQ(NormalSummary(info, {Day, Both, false}), "寒食节/清明");
  EXPECT_EQ(NormalSummary(info, {Day, Term, true}), "初五");
}

// Each language joins the names its own way: Korean phones show 3.15 and
// 윤3월, marked 음 among Gregorian days; Vietnamese ones Mùng 4, Rằm and
// Tháng Hai nhuận, with tháng in lower case inside a date. Korea's and
// Vietnam's festivals are their own; China's Gregorian ones never show.
TEST(NormalSummaryTest, TitlesInEachLanguageAndCalendar) {
  constexpr auto China = LunarCalendar::China, Korea = LunarCalendar::Korea, Vietnam = LunarCalendar::Vietnam;
  struct Case {
    sys_days date;
    LunarCalendar calendar;
    Language language;
    DisplayMode mode;
    MonthNaming naming;
    const char* title;
  };
  constexpr auto Winter = MonthNaming::WinterAndLast, Numbered = MonthNaming::Numbered;
  const Case cases[] = {
      {Date(2012, 4, 21), Korea, Language::Korean, Day, Winter, "음 윤3월"},
      {Date(2012, 4, 24), Korea, Language::Korean, Day, Winter, "음 윤3.4"},  // 윤3.3 keeps 삼짇날, as leap months do
      {Date(2012, 4, 24), Korea, Language::Korean, MonthDay, Winter, "음 윤3월 4일"},
      {Date(2027, 2, 6), Korea, Language::Korean, Day, Winter, "섣달그믐"},
      {Date(2027, 2, 7), Korea, Language::Korean, Day, Winter, "설날"},
      {Date(2027, 2, 8), Korea, Language::Korean, Day, Winter, "음 1.2"},  // China's 大年初三 is not Korea's
      {Date(2026, 8, 19), Korea, Language::Korean, Day, Winter, "칠석"},
      {Date(1985, 1, 21), Vietnam, Language::Vietnamese, Day, Winter, "Tết Nguyên Đán"},
      {Date(2030, 2, 5), Vietnam, Language::Vietnamese, Day, Winter, "Mùng 4"},
      {Date(2030, 2, 5), Vietnam, Language::Vietnamese, MonthDay, Winter, "Mùng 4 tháng Giêng"},
      {Date(2023, 3, 22), Vietnam, Language::Vietnamese, Day, Winter, "Tháng Hai nhuận"},
      {Date(2026, 4, 26), Vietnam, Language::Vietnamese, Day, Winter, "Giỗ Tổ Hùng Vương"},
      {Date(2026, 2, 10), Vietnam, Language::Vietnamese, Day, Winter, "Ông Công Ông Táo"},
      {Date(2026, 12, 9), Vietnam, Language::Vietnamese, Day, Numbered, "Tháng Mười Một"},
      {Date(2026, 4, 2), Vietnam, Language::Vietnamese, Day, Winter, "Rằm"},
      {Date(2026, 4, 2), Vietnam, Language::Vietnamese, MonthDay, Winter, "Rằm tháng Hai"},
      {Date(2026, 4, 2), Korea, Language::Korean, Day, Winter, "음 2.15"},
      {Date(2026, 4, 2), Korea, Language::Korean, MonthDay, Winter, "음 2월 15일"},
      {Date(2026, 3, 19), Korea, Language::Korean, Day, Winter, "음 2월"},
      {Date(2026, 4, 2), China, Language::Korean, Day, Winter, "음 2.15"},
      {Date(2033, 12, 22), China, Language::ZhHant, Day, Winter, "閏冬月"},
      {Date(2033, 12, 22), China, Language::ZhHant, Day, Numbered, "閏十一月"},
      {Date(2026, 2, 16), China, Language::ZhHant, Day, Winter, "除夕"},
      {Date(2026, 2, 16), Korea, Language::ZhHans, Day, Winter, "除夕"},
  };
  for (const auto& c : cases) {
    const NormalFormat format{c.mode, Fest, false};
    EXPECT_EQ(NormalSummary(GetDayInfo(c.date, c.calendar, RegionOf(c.calendar)), format, c.naming, c.language), c.title)
        << testing::Iso(c.date);
  }
}

// The almanac's additions follow the title, or stand alone on a day that
// has none; off, the title is as it always was.
TEST(NormalSummaryTest, MoonPhasesAndSeasonCounts) {
  struct Case {
    sys_days date;
    NormalFormat format;
    const char* title;
  };
  const Case cases[] = {
      {Date(2026, 3, 3), {Day, Fest, false, true, true}, "元宵 满月 九九第1天"},
      {Date(2026, 2, 24), {Day, Fest, false, true, false}, "初八 上弦"},
      {Date(2026, 2, 24), {FestTerm, Fest, false, true, false}, "上弦"},
      {Date(2026, 7, 25), {Day, Fest, false, false, true}, "十二 中伏第1天"},
      {Date(2026, 7, 25), {Day, Fest, false, true, false}, "十二"},
      {Date(2026, 3, 3), {}, "元宵"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormalSummary(GetDayInfo(c.date, LunarCalendar::China, Region::China), c.format), c.title)
        << testing::Iso(c.date);
  }
}

// Korea marks 초복, 중복 and 말복 on their days and counts nothing; Taiwan
// counts 三伏 but not 数九.
TEST(NormalSummaryTest, SeasonCountsAsEachRegionPrintsThem) {
  struct Case {
    sys_days date;
    Region region;
    Language language;
    const char* title;
  };
  const Case cases[] = {
      {Date(2026, 7, 15), Region::Korea, Language::Korean, "초복"},
      {Date(2026, 7, 16), Region::Korea, Language::Korean, ""},
      {Date(2026, 8, 14), Region::Korea, Language::Korean, "말복"},
      {Date(2026, 1, 11), Region::Korea, Language::Korean, ""},
      {Date(2026, 7, 26), Region::Taiwan, Language::ZhHant, "中伏第2天"},
      {Date(2026, 1, 11), Region::Taiwan, Language::ZhHant, ""},
      {Date(2026, 1, 11), Region::China, Language::ZhHans, "三九第4天"},
  };
  const NormalFormat format{FestTerm, Fest, false, false, true};
  for (const auto& c : cases) {
    const DayInfo day = GetDayInfo(c.date, CalendarOf(c.region), c.region);
    EXPECT_EQ(NormalSummary(day, format, MonthNaming::WinterAndLast, c.language), c.title) << testing::Iso(c.date);
  }
}

}  // namespace
}  // namespace tessarine
