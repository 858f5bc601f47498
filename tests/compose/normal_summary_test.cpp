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
  return NormalSummary(GetDayInfo(date), format, naming);
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
  info.festival = LunarFestival::ColdFood;
  EXPECT_EQ(NormalSummary(info, {Terms, Fest, false}), "清明");
  EXPECT_EQ(NormalSummary(info, {Day, Both, false}), "寒食节/清明");
  EXPECT_EQ(NormalSummary(info, {Day, Term, true}), "初五");
}

}  // namespace
}  // namespace tessarine
