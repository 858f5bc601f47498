#include "calendar/day_info.h"

#include <charconv>
#include <cstdio>

#include "calendar/lunar_names.h"
#include "compose/normal_summary.h"

namespace tessarine {

const std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

const std::array<LunarFestival, 13> LunarFestivalDates = {{
    {"0101", "春节"},
    {"0102", "大年初二"},
    {"0103", "大年初三"},
    {"0115", "元宵"},
    {"0505", "端午"},
    {"0707", "七夕"},
    {"0715", "中元节"},
    {"0815", "中秋"},
    {"0909", "重阳"},
    {"1001", "祭祖节"},
    {"1208", "腊八节"},
    {"1223", "小年"},
    {"1230", "除夕"},
}};

namespace {

std::string_view LunarFestivalOf(std::uint16_t month, std::uint16_t day) {
  char key[24];
  std::snprintf(key, sizeof key, "%.2d%.2d", month % 100, day % 100);
  for (const auto& festival : LunarFestivalDates) {
    if (festival.Key == key) return festival.Name;
  }
  return {};
}

}  // namespace

DayInfo GetDayInfo(LunarCalendar& cal, sys_days date, std::string_view yearText) {
  DayInfo info;
  if (!IsDescribable(date)) return info;

  const std::chrono::year_month_day ymd{date};
  const auto gYear = static_cast<std::uint16_t>(static_cast<int>(ymd.year()));
  const auto gMonth = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.month()));
  const auto gDay = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.day()));

  if (const std::uint16_t term = SolarTermIndex(gYear, gMonth, gDay); term != 0) {
    info.TermText = SolarTermNames[term - 1];
  }

  const LunarDate lunar = ToLunarDate(cal, date);
  info.FestText = LunarFestivalOf(lunar.Month, lunar.Day);
  // The last day of the twelfth month is New Year's Eve whether the month has
  // 29 or 30 days. Every month of this lunar year has already been looked at
  // by the conversion, so this leaves the leap-month state as it is.
  if (lunar.Month == 12 && lunar.Day == LunarMonthLength(cal, lunar.Year, 12)) info.FestText = "除夕";

  // The lunar year is derived from the Gregorian year: a Gregorian month
  // smaller than the lunar month means the lunar year began the year before.
  int year = gYear;
  const char* const end = yearText.data() + yearText.size();
  if (const auto parsed = std::from_chars(yearText.data(), end, year);
      parsed.ec != std::errc{} || parsed.ptr != end) {
    year = gYear;
  }
  info.YearText = YearName(static_cast<std::uint16_t>(gMonth < lunar.Month ? year - 1 : year));
  info.DayText = DayName(lunar.Day);

  // The month name reads the answer of the leap test: nothing that converts
  // another date may run between the two.
  UpdateLeapMonthFlag(cal, date, lunar.Month, lunar.Day);
  info.MonthText = MonthName(cal, lunar.Month);

  if (!cal.options.bolDIY) NormalSummary(info, cal.options);
  return info;
}

}  // namespace tessarine
