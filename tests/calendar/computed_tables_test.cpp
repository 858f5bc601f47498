// The tables computed from the sky, on the days that tell them apart from
// the table of 1901-2050 the calendar had before, beside Spring Festivals of
// the whole range.
#include <gtest/gtest.h>

#include "calendar/day_info.h"
#include "calendar/lunar_names.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;

TEST(ComputedTablesTest, TheTenCorrectionsAndKnownSpringFestivals) {
  struct Case {
    sys_days date;
    std::string lunar;  // month and day
    std::string mark;   // solar term, then festival
  };
  const Case cases[] = {
      // Months that begin a day earlier, as the almanacs of the time have them.
      {Date(1914, 11, 16), "九月廿九", ""},    {Date(1914, 11, 17), "十月初一", "祭祖节"},
      {Date(1916, 2, 2), "腊月廿九", "除夕"},  {Date(1916, 2, 3), "正月初一", "春节"},
      {Date(1920, 11, 9), "九月廿九", ""},     {Date(1920, 11, 10), "十月初一", "祭祖节"},
      // The new moon at 00:05 on 1989-08-02 begins month 7 that day.
      {Date(1989, 8, 1), "六月三十", ""},      {Date(1989, 8, 2), "七月初一", ""},
      // Six terms on another day, each beside the day the old table gave it.
      {Date(1912, 11, 22), "十月十四", "小雪"}, {Date(1912, 11, 23), "十月十五", ""},
      {Date(1913, 9, 23), "八月廿三", "秋分"},  {Date(1913, 9, 24), "八月廿四", ""},
      {Date(1917, 12, 7), "十月廿三", ""},      {Date(1917, 12, 8), "十月廿四", "大雪"},
      {Date(1927, 9, 8), "八月十三", ""},       {Date(1927, 9, 9), "八月十四", "白露"},
      {Date(1928, 6, 21), "五月初四", ""},      {Date(1928, 6, 22), "五月初五", "夏至端午"},
      {Date(1979, 1, 20), "腊月廿二", "大寒"},  {Date(1979, 1, 21), "腊月廿三", "小年"},
      // A term one second after midnight, and months around the leap rule.
      {Date(1951, 12, 22), "冬月廿四", ""},     {Date(1951, 12, 23), "冬月廿五", "冬至"},
      {Date(2033, 12, 22), "闰冬月初一", ""},   {Date(2057, 9, 29), "九月初一", ""},
      {Date(1949, 1, 29), "正月初一", "春节"},  {Date(2000, 2, 5), "正月初一", "春节"},
      {Date(2026, 2, 17), "正月初一", "春节"},  {Date(2051, 2, 11), "正月初一", "春节"},
      {Date(2060, 2, 2), "正月初一", "春节"},   {Date(2100, 2, 9), "正月初一", "春节"},
  };
  for (const auto& c : cases) {
    const DayInfo info = GetDayInfo(c.date, LunarCalendar::China, Region::China);
    const Vocabulary& words = VocabularyOf(Language::ZhHans);
    EXPECT_EQ(MonthName(info.lunar.month, info.lunar.leap, MonthNaming::WinterAndLast).append(DayName(info.lunar.day)),
              c.lunar)
        << testing::Iso(c.date);
    std::string mark(info.term ? words.terms[info.term - 1] : "");
    if (const auto f = info.lunarFestivals.first()) mark.append(words.lunarFestivals[static_cast<std::size_t>(*f)]);
    EXPECT_EQ(mark, c.mark) << testing::Iso(c.date);
  }
}

}  // namespace
}  // namespace tessarine
