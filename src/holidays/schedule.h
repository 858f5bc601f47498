// A year's official days off and make-up workdays (休 and 班), whichever
// region's: what every schedule in this folder gives, what the user's list
// keeps and what the holiday calendar and the month view mark.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tessarine {

enum class HolidayKind {
  DayOff,   // 休: a day off, weekend days inside a holiday block included
  Workday,  // 班: a weekend day worked in exchange (调休上班)
};

// Whether a government has published the day, or it follows from the rules
// for a year not yet published (and may still change).
enum class HolidayStatus { Official, Provisional };

struct HolidayDay {
  std::chrono::sys_days date;
  HolidayKind kind = HolidayKind::DayOff;
  std::string name;  // the holiday as the notice names it: 春节, 中秋节、国庆节
  HolidayStatus status = HolidayStatus::Official;

  friend bool operator==(const HolidayDay&, const HolidayDay&) = default;
};

// One notice's days: those of its year, and a 元旦 block or its workday that
// begins in the December before.
struct HolidaySchedule {
  int year = 0;
  std::vector<HolidayDay> days;  // in date order

  friend bool operator==(const HolidaySchedule&, const HolidaySchedule&) = default;
};

// The number of days off in a schedule: what its notice's "共N天" add up to.
int DaysOffIn(const HolidaySchedule& schedule);

}  // namespace tessarine
