#include "calendar/day_info.h"

#include "calendar/lunar_names.h"
#include "calendar/solar_terms.h"
#include "calendar/year_range.h"

namespace tessarine {

DayInfo GetDayInfo(sys_days date, LunarCalendar calendar) {
  DayInfo info;
  info.date = date;
  info.calendar = calendar;
  if (!IsDescribable(date)) return info;
  const LunarDate lunar = *ToLunarDate(date, calendar);  // every describable day converts
  info.lunar = lunar;
  info.monthDays = LunarMonthDays(lunar.year, lunar.month, lunar.leap, calendar);
  info.term = SolarTermIndex(std::chrono::year_month_day{date}, calendar);
  info.festival = LunarFestivalOn(lunar, calendar);
  // The lunar year is numbered by the Gregorian year it begins in, which is
  // the year its stem and branch name.
  info.yearCycle = YearCycle(lunar.year);
  return info;
}

DayInfo NextDayInfo(const DayInfo& day) {
  const sys_days date = day.date + std::chrono::days{1};
  if (!day.described() || day.lunar.day >= day.monthDays || !IsDescribable(date)) {
    return GetDayInfo(date, day.calendar);
  }
  DayInfo next = day;
  next.date = date;
  ++next.lunar.day;
  next.term = SolarTermIndex(std::chrono::year_month_day{date}, day.calendar);
  next.festival = LunarFestivalOn(next.lunar, day.calendar);
  return next;
}

}  // namespace tessarine
