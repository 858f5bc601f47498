// A described day's names: the numbers GetDayInfo gives, named by the
// vocabulary of each language.
#include "compose/day_names.h"

#include "calendar/year_range.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::days;

using testing::Date;

DayInfo Describe(sys_days date, LunarCalendar calendar = LunarCalendar::China) {
  return GetDayInfo(date, calendar, RegionOf(calendar));
}

using Names = std::array<std::string, 6>;  // stem-branch, zodiac, month, day, term, festival

Names Named(sys_days date, MonthNaming naming = MonthNaming::WinterAndLast, Language language = Language::ZhHans,
            LunarCalendar calendar = LunarCalendar::China) {
  const DayNames n = NamesOf(date, Describe(date, calendar), naming, language);
  return {n.stemBranch, std::string(n.zodiac), n.month, std::string(n.day), std::string(n.term),
          std::string(n.festival)};
}

TEST(DayNamesTest, KnownDays) {
  struct Case {
    sys_days date;
    Names info;
  };
  const Case cases[] = {
      {Date(2013, 2, 9), {"壬辰", "龙", "腊月", "廿九", "", "除夕"}},
      {Date(2013, 2, 10), {"癸巳", "蛇", "正月", "初一", "", "春节"}},
      {Date(2012, 1, 22), {"辛卯", "兔", "腊月", "廿九", "", "除夕"}},
      {Date(2034, 2, 18), {"癸丑", "牛", "腊月", "三十", "雨水", "除夕"}},
      {Date(1901, 2, 18), {"庚子", "鼠", "腊月", "三十", "", "除夕"}},
      {Date(1901, 1, 27), {"庚子", "鼠", "腊月", "初八", "", "腊八节"}},
      {Date(1901, 1, 1), {"庚子", "鼠", "冬月", "十一", "", ""}},
      {Date(1901, 2, 19), {"辛丑", "牛", "正月", "初一", "雨水", "春节"}},
      {Date(2009, 6, 27), {"己丑", "牛", "闰五月", "初五", "", "端午"}},
      {Date(2009, 5, 28), {"己丑", "牛", "五月", "初五", "", "端午"}},
      {Date(2014, 11, 1), {"甲午", "马", "闰九月", "初九", "", "重阳"}},
      {Date(1984, 11, 23), {"甲子", "鼠", "闰十月", "初一", "", "祭祖节"}},
      {Date(2013, 1, 5), {"壬辰", "龙", "冬月", "廿四", "小寒", ""}},
      {Date(2013, 1, 20), {"壬辰", "龙", "腊月", "初九", "大寒", ""}},
      {Date(2013, 12, 22), {"癸巳", "蛇", "冬月", "二十", "冬至", ""}},
      {Date(1909, 6, 22), {"己酉", "鸡", "五月", "初五", "夏至", "端午"}},
      {Date(2023, 3, 22), {"癸卯", "兔", "闰二月", "初一", "", ""}},
      {Date(2050, 12, 31), {"庚午", "马", "冬月", "十八", "", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Named(c.date), c.info) << testing::Iso(c.date);
  }
}

// The names are given by the numbers, which compose decides by.
TEST(DayNamesTest, TheDayAsNumbers) {
  const DayInfo leapDragonBoat = Describe(Date(2009, 6, 27));
  EXPECT_EQ(leapDragonBoat.lunar, (LunarDate{2009, 5, 5, true}));
  EXPECT_EQ(leapDragonBoat.monthDays, 29u);
  EXPECT_EQ(leapDragonBoat.lunarFestivals.first(), LunarFestival::DragonBoat);
  const DayInfo eve = Describe(Date(2034, 2, 18));
  EXPECT_EQ(eve.term, 4u);  // 雨水
  EXPECT_EQ(eve.lunarFestivals.first(), LunarFestival::NewYearsEve);  // on a 30th
  EXPECT_EQ(eve.yearCycle, 49u);                          // 癸丑: stem 9, branch 1
  EXPECT_TRUE(Describe(Date(2013, 1, 1)).lunarFestivals.empty());
}

TEST(DayNamesTest, MonthNamingIsAnArgument) {
  EXPECT_EQ(Named(Date(2013, 2, 9))[2], "腊月");
  EXPECT_EQ(Named(Date(2013, 2, 9), MonthNaming::Numbered)[2], "十二月");
  EXPECT_EQ(Named(Date(2033, 12, 22), MonthNaming::Numbered)[2], "闰十一月");
}

TEST(DayNamesTest, NewYearsEveEveryYearWhateverTheLengthOfTheTwelfthMonth) {
  // Lunar new year's day is 春节; the day before it is 除夕, in every year
  // and every calendar.
  for (const LunarCalendar calendar : {LunarCalendar::China, LunarCalendar::Korea, LunarCalendar::Vietnam}) {
    int eves = 0, twentyNinth = 0;
    for (auto date = Date(1901, 1, 1); date <= YearRange::All().lastDay(); date += days{1}) {
      const DayInfo info = Describe(date, calendar);
      if (info.lunarFestivals.first() == LunarFestival::NewYear) {
        EXPECT_EQ(info.lunar.day, 1u);
        if (date > YearRange::All().firstDay()) {
          const DayInfo eve = Describe(date - days{1}, calendar);
          EXPECT_EQ(eve.lunarFestivals.first(), LunarFestival::NewYearsEve) << testing::Iso(date);
          twentyNinth += eve.lunar.day == 29;
        }
      }
      eves += info.lunarFestivals.contains(LunarFestival::NewYearsEve);
    }
    EXPECT_EQ(eves, static_cast<int>(YearRange::All().size()));  // lunar 1900 to the year before the last
    EXPECT_GT(twentyNinth, 0);
  }
}

TEST(DayNamesTest, TwentyFourTermDaysInEveryYear) {
  for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
    std::map<unsigned, int> terms;
    for (auto date = Date(year, 1, 1); date <= Date(year, 12, 31); date += days{1}) {
      const DayInfo info = Describe(date);
      if (info.term != 0) ++terms[info.term];
    }
    EXPECT_EQ(terms.size(), 24u) << year;
    for (const auto& [name, count] : terms) EXPECT_EQ(count, 1) << year << " " << name;
  }
}

TEST(DayNamesTest, DatesOutsideTheTablesAreDescribedEmpty) {
  for (const auto date : {Date(1900, 12, 31), Date(2101, 1, 1), Date(1800, 6, 1)}) {
    EXPECT_FALSE(Describe(date).described());
    EXPECT_EQ(Named(date), Names{});
  }
}

TEST(DayNamesTest, DescriptionDoesNotDependOnWhatWasDescribedBefore) {
  const DayInfo fresh = Describe(Date(1901, 1, 1));
  Describe(Date(2033, 12, 22));
  EXPECT_EQ(Describe(Date(1901, 1, 1)), fresh);
  Describe(Date(2033, 12, 22));
  EXPECT_EQ(Named(Date(1901, 1, 19))[2], "冬月");
}

}  // namespace
}  // namespace tessarine
