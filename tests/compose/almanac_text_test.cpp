// The 干支 pillars and the description's first lines around 立春 and the
// lunar New Year, in both orders: 立春 before the Spring Festival (2026) and
// after it (2023). The year pillar changes with the month pillar at 立春;
// the lunar year the first line names changes at New Year and says so.
#include "compose/almanac_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(AlmanacTextTest, PillarsAndTheLunarYearAroundLiChunAndNewYear) {
  constexpr auto China = LunarCalendar::China, Korea = LunarCalendar::Korea, Vietnam = LunarCalendar::Vietnam;
  struct Case {
    sys_days date;
    LunarCalendar calendar;
    Language language;
    const char* lunarDate;  // the description's first line
    const char* pillars;    // its second, GanzhiText
  };
  const Case cases[] = {
      // 2026: 立春 on 02-04, the Spring Festival on 02-17.
      {Date(2026, 2, 3), China, Language::ZhHans, "农历乙巳 蛇年 腊月十六", "乙巳年 己丑月 戊申日"},
      {Date(2026, 2, 4), China, Language::ZhHans, "农历乙巳 蛇年 腊月十七", "丙午年 庚寅月 己酉日"},
      {Date(2026, 2, 16), China, Language::ZhHans, "农历乙巳 蛇年 腊月廿九", "丙午年 庚寅月 辛酉日"},
      {Date(2026, 2, 16), China, Language::ZhHant, "農曆乙巳 蛇年 臘月廿九", "丙午年 庚寅月 辛酉日"},
      {Date(2026, 2, 16), Korea, Language::Korean, "음력 을사년 뱀띠 12월 29일", "병오년 경인월 신유일"},
      {Date(2026, 2, 16), Vietnam, Language::Vietnamese, "Âm lịch: 29 tháng Chạp năm Ất Tỵ",
       "Năm Bính Ngọ, tháng Canh Dần, ngày Tân Dậu"},
      {Date(2026, 2, 17), China, Language::ZhHans, "农历丙午 马年 正月初一", "丙午年 庚寅月 壬戌日"},
      // 2023: the Spring Festival on 01-22, 立春 on 02-04.
      {Date(2023, 1, 25), China, Language::ZhHans, "农历癸卯 兔年 正月初四", "壬寅年 癸丑月 癸未日"},
      {Date(2023, 1, 25), Korea, Language::Korean, "음력 계묘년 토끼띠 1월 4일", "임인년 계축월 계미일"},
      {Date(2023, 2, 4), China, Language::ZhHans, "农历癸卯 兔年 正月十四", "癸卯年 甲寅月 癸巳日"},
  };
  for (const auto& c : cases) {
    const DayInfo info = GetDayInfo(c.date, c.calendar, RegionOf(c.calendar));
    const DayAlmanac almanac = GetDayAlmanac(c.date, info.term, c.calendar, info.region);
    EXPECT_EQ(GanzhiText(almanac, c.language), c.pillars) << testing::Iso(c.date);
    const auto lines = Lines(DescriptionOf(info, almanac, MonthNaming::WinterAndLast, c.language));
    ASSERT_GE(lines.size(), 2u) << testing::Iso(c.date);
    EXPECT_EQ(lines[0], c.lunarDate) << testing::Iso(c.date);
    EXPECT_EQ(lines[1], c.pillars) << testing::Iso(c.date);
  }
}

TEST(AlmanacTextTest, AnUndescribedDayHasNoDescription) {
  const sys_days day = Date(1900, 12, 25);
  const DayInfo info = GetDayInfo(day, LunarCalendar::China, Region::China);
  EXPECT_EQ(DescriptionOf(info, GetDayAlmanac(day, 0, LunarCalendar::China, Region::China), MonthNaming::WinterAndLast,
                          Language::ZhHans),
            "");
}

}  // namespace
}  // namespace tessarine
