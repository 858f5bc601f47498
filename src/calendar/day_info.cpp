#include "calendar/day_info.h"

#include "calendar/lunar_names.h"
#include "calendar/solar_terms.h"
#include "calendar/solstice_days.h"
#include "calendar/year_range.h"

namespace tessarine {
namespace {

// The lunar festivals of a described day: those on its lunar date, and in
// Korea 한식 (April) and 납일 (January), counted from the solstice.
FestivalList<LunarFestival> LunarFestivalsOf(const DayInfo& day) {
  FestivalList<LunarFestival> festivals = LunarFestivalsOn(day.lunar, day.calendar, day.region);
  if (day.region != Region::Korea) return festivals;
  const std::chrono::year_month_day ymd{day.date};
  const int year = static_cast<int>(ymd.year());
  if (ymd.month() == std::chrono::April && ColdFoodDay(year, day.calendar) == day.date) {
    festivals.push_back(LunarFestival::ColdFood);
  }
  if (ymd.month() == std::chrono::January && NapilDay(year, day.calendar) == day.date) {
    festivals.push_back(LunarFestival::Napil);
  }
  return festivals;
}

}  // namespace

DayInfo GetDayInfo(sys_days date, LunarCalendar calendar, Region region) {
  DayInfo info;
  info.date = date;
  info.calendar = calendar;
  info.region = region;
  info.solarFestivals = SolarFestivalsOn(std::chrono::year_month_day{date}, region);
  if (!IsDescribable(date)) return info;
  const LunarDate lunar = *ToLunarDate(date, calendar);  // every describable day converts
  info.lunar = lunar;
  info.monthDays = LunarMonthDays(lunar.year, lunar.month, lunar.leap, calendar);
  info.term = SolarTermIndex(std::chrono::year_month_day{date}, calendar);
  info.lunarFestivals = LunarFestivalsOf(info);
  // The lunar year is numbered by the Gregorian year it begins in, which is
  // the year its stem and branch name.
  info.yearCycle = YearCycle(lunar.year);
  return info;
}

DayInfo NextDayInfo(const DayInfo& day) {
  const sys_days date = day.date + std::chrono::days{1};
  if (!day.described() || day.lunar.day >= day.monthDays || !IsDescribable(date)) {
    return GetDayInfo(date, day.calendar, day.region);
  }
  DayInfo next = day;
  next.date = date;
  ++next.lunar.day;
  next.term = SolarTermIndex(std::chrono::year_month_day{date}, day.calendar);
  next.lunarFestivals = LunarFestivalsOf(next);
  next.solarFestivals = SolarFestivalsOn(std::chrono::year_month_day{date}, day.region);
  return next;
}

}  // namespace tessarine
