#include "calendar/day_info.h"

#include "calendar/solar_terms.h"
#include "calendar/year_range.h"

namespace tessarine {

const std::array<LunarFestival, 13> LunarFestivalDates = {{
    {1, 1, "春节"},
    {1, 2, "大年初二"},
    {1, 3, "大年初三"},
    {1, 15, "元宵"},
    {5, 5, "端午"},
    {7, 7, "七夕"},
    {7, 15, "中元节"},
    {8, 15, "中秋"},
    {9, 9, "重阳"},
    {10, 1, "祭祖节"},
    {12, 8, "腊八节"},
    {12, 23, "小年"},
    {12, 30, "除夕"},
}};

namespace {

// A festival is looked up by month and day number alone, so the days of a
// leap month carry the festivals of the month they repeat.
std::optional<std::size_t> LunarFestivalOf(const LunarDate& lunar) {
  // The last day of the year is New Year's Eve whether its month has 29 or
  // 30 days: the last day of the twelfth month, or of its leap copy.
  constexpr std::size_t kNewYearsEve = LunarFestivalDates.size() - 1;
  const bool lastMonth = lunar.month == 12 && (lunar.leap || LeapMonthOf(lunar.year) != 12);
  if (lastMonth && lunar.day == LunarMonthDays(lunar.year, 12, lunar.leap)) return kNewYearsEve;
  for (std::size_t i = 0; i < kNewYearsEve; ++i) {
    if (LunarFestivalDates[i].month == lunar.month && LunarFestivalDates[i].day == lunar.day) return i;
  }
  return std::nullopt;
}

}  // namespace

DayInfo GetDayInfo(sys_days date, MonthNaming naming, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  DayInfo info;
  if (!IsDescribable(date)) return info;
  const LunarDate lunar = *ToLunarDate(date);  // every describable day converts
  const std::chrono::year_month_day ymd{date};
  const int gregorianYear = static_cast<int>(ymd.year());

  info.lunar = lunar;
  info.monthDays = LunarMonthDays(lunar.year, lunar.month, lunar.leap);
  info.term = SolarTermIndex(ymd);
  if (info.term != 0) info.termText = words.terms[info.term - 1];
  info.festival = LunarFestivalOf(lunar);
  if (info.festival) info.festText = words.lunarFestivals[*info.festival];
  // The year is named from the Gregorian year: a Gregorian month smaller than
  // the lunar month means the lunar year began the year before.
  const bool yearBefore = static_cast<unsigned>(ymd.month()) < lunar.month;
  const int namedYear = yearBefore ? gregorianYear - 1 : gregorianYear;
  info.yearCycle = YearCycle(namedYear);
  info.stemBranch = StemBranchName(namedYear, language);
  info.zodiac = ZodiacName(namedYear, language);
  info.monthText = MonthName(lunar.month, lunar.leap, naming, language);
  info.dayText = DayName(lunar.day);
  return info;
}

}  // namespace tessarine
