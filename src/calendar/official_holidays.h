// Official days off and make-up workdays (休 and 班) in mainland China, as
// the State Council's yearly notices (国务院办公厅关于某年部分节假日安排的通知)
// announce them. Nobody can compute them; a year without a notice has none.
//
// The built-in schedules run from 2008 to 2026. Where a later notice changed
// a year, they follow what happened: the 2015-09-03 commemoration, the 2019
// 劳动节 of four days, and the 2020 春节 extended to 02-02.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tessarine {

enum class HolidayKind {
  DayOff,   // 休: a day off, weekend days inside a holiday block included
  Workday,  // 班: a weekend day worked in exchange (调休上班)
};

struct HolidayDay {
  std::chrono::sys_days date;
  HolidayKind kind = HolidayKind::DayOff;
  std::string name;  // the holiday as the notice names it: 春节, 中秋节、国庆节

  friend bool operator==(const HolidayDay&, const HolidayDay&) = default;
};

// One notice's days: those of its year, and a 元旦 block or its workday that
// begins in the December before.
struct HolidaySchedule {
  int year = 0;
  std::vector<HolidayDay> days;  // in date order

  friend bool operator==(const HolidaySchedule&, const HolidaySchedule&) = default;
};

// The years with a built-in schedule, in order.
std::vector<int> BuiltInHolidayYears();

// The built-in schedule of `year`, or nothing.
std::optional<HolidaySchedule> BuiltInHolidaySchedule(int year);

// The number of days off in a schedule: what its notice's "共N天" add up to.
int DaysOffIn(const HolidaySchedule& schedule);

}  // namespace tessarine
