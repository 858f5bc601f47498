// Taiwan's official days off and make-up workdays (放假 and 補班), as the
// 行政院人事行政總處 (DGPA) publishes them each year in the 中華民國政府行政
// 機關辦公日曆表, named as the table's 備註 names them (開國紀念日, 補假,
// 調整放假, 補行上班, …). Taiwan keeps the Chinese lunar calendar.
//
//   2017–2027   the published tables (holidays/taiwan/published_days.cpp):
//               Official, with their 補班 Saturdays and 調整放假 days;
//   2028–2100   computed from the law (holidays/taiwan/holiday_rules.cpp):
//               Provisional, days off and 補假 only, never a 補班 (only the
//               yearly table sets one);
//   otherwise   unknown: nothing.
//
// A schedule holds the days of its Gregorian year: every weekday off, every
// weekend day worked, and each holiday that falls on a weekend under its
// name; an ordinary weekend has no entry.
#pragma once

#include <optional>
#include <vector>

#include "calendar/lunar_tables.h"
#include "holidays/schedule.h"

namespace tessarine {

inline constexpr int kFirstTaiwanTableYear = 2017;
inline constexpr int kLastTaiwanTableYear = 2027;
// From 2015 the 補假 rule of 紀念日及節日實施辦法 第5條之1 is in force; the
// rules reach as far as the lunar tables.
inline constexpr int kFirstTaiwanRuleYear = 2015;
inline constexpr int kLastTaiwanRuleYear = kLastTableYear;

// The year's schedule: the published table, else the rules for a year after
// the tables, else nothing.
std::optional<HolidaySchedule> TaiwanHolidaySchedule(int year);

// The years with a published table, in order, and the table of one of them
// (every day Official); nothing for any other year.
std::vector<int> PublishedTaiwanYears();
std::optional<HolidaySchedule> PublishedTaiwanSchedule(int year);

// The year as the law alone gives it, with the tables switched off (every
// day Provisional): the statutory days off, and a 補假 for each one on a
// weekend. No 調整放假 and no 補班. Nothing outside the rule years.
std::optional<HolidaySchedule> TaiwanScheduleFromRules(int year);

}  // namespace tessarine
