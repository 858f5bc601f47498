// The 干支 pillars and the description's first lines around 立春 and the
// lunar New Year, in both orders: 立春 before the Spring Festival (2026) and
// after it (2023). The year pillar changes with the month pillar at 立春;
// the lunar year the first line names changes at New Year and says so.
#include "compose/almanac_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
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

// The moments as text: in UTC, and on each calendar's civil clock, before
// 1970 too, whatever time zone the machine is set to (the C library's clock
// read them in the machine's zone, and refused a moment past time_t).
TEST(AlmanacTextTest, MomentsInUtcAndOnEachCivilClock) {
  using std::chrono::hours;
  using std::chrono::minutes;
  const struct {
    Moment moment;
    LunarCalendar calendar;
    const char* utc;
    const char* clock;
  } cases[] = {
      // 立春 2026 at 04:02 in Beijing.
      {Moment{Date(2026, 2, 3)} + hours(20) + minutes(2), LunarCalendar::China, "2026-02-03T20:02Z", "04:02"},
      {Moment{Date(2026, 2, 3)} + hours(20) + minutes(2), LunarCalendar::Korea, "2026-02-03T20:02Z", "05:02"},
      {Moment{Date(2026, 2, 3)} + hours(20) + minutes(2), LunarCalendar::Vietnam, "2026-02-03T20:02Z", "03:02"},
      {Moment{Date(1901, 1, 1)}, LunarCalendar::China, "1901-01-01T00:00Z", "08:00"},
      {Moment{Date(1969, 12, 31)} + hours(23) + minutes(59), LunarCalendar::China, "1969-12-31T23:59Z", "07:59"},
      {Moment{Date(1950, 6, 15)} + hours(16), LunarCalendar::China, "1950-06-15T16:00Z", "00:00"},
      {Moment{Date(2100, 12, 31)} + hours(23) + minutes(59), LunarCalendar::China, "2100-12-31T23:59Z", "07:59"},
  };
  const char* const saved = std::getenv("TZ");
  const std::string before = saved ? saved : "";
  for (const char* zone : {"UTC0", "CST-8", "EST5EDT", "Asia/Shanghai"}) {
    ::setenv("TZ", zone, 1);
    ::tzset();
    for (const auto& c : cases) {
      EXPECT_EQ(UtcText(c.moment), c.utc) << zone;
      EXPECT_EQ(ClockText(c.moment, c.calendar), c.clock) << c.utc << " " << CalendarTag(c.calendar) << " " << zone;
    }
  }
  saved ? ::setenv("TZ", before.c_str(), 1) : ::unsetenv("TZ");
  ::tzset();
  // Far past any described year, past time_t's years too: text, not an exception.
  for (const Moment far : {Moment{minutes(10'000'000'000'000'000)}, Moment{minutes(-10'000'000'000'000'000)}}) {
    EXPECT_NO_THROW((void)UtcText(far));
    EXPECT_NO_THROW((void)ClockText(far, LunarCalendar::China));
  }
}

}  // namespace
}  // namespace tessarine
