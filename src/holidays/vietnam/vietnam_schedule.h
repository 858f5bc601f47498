// Vietnam's official days off (nghỉ lễ, tết) and the Saturdays worked in
// exchange (làm bù), for cán bộ, công chức, viên chức, whose weekly rest is
// Saturday and Sunday. Lunar days are on the Vietnamese calendar.
//
//   2023–2026   the arrangements announced each year (holidays/vietnam/
//               published_days.cpp): Official;
//   2027–2100   the days the Labour Code itself fixes (holidays/vietnam/
//               holiday_rules.cpp): Provisional;
//   otherwise   unknown: nothing.
//
// Each day is named by its holiday in the Labour Code's words (Tết Dương
// lịch, Tết Âm lịch, Giỗ Tổ Hùng Vương, Ngày Chiến thắng, Ngày Quốc tế lao
// động, Quốc khánh); a nghỉ bù day, a working day swapped into the break
// and its làm bù Saturday by the holiday they belong to. A schedule holds
// the holidays themselves (on a weekend too), nghỉ bù and swapped days, and
// làm bù Saturdays; the plain weekends of a break have no entry.
#pragma once

#include <optional>
#include <vector>

#include "calendar/lunar_tables.h"
#include "holidays/schedule.h"

namespace tessarine {

inline constexpr int kFirstVietnamTableYear = 2023;
inline constexpr int kLastVietnamTableYear = 2026;
// Bộ luật Lao động 2012 (in force 2013-05-01) from its first whole year,
// then that of 2019 (from 2021-01-01), as far as the lunar tables reach.
inline constexpr int kFirstVietnamRuleYear = 2014;
inline constexpr int kLastVietnamRuleYear = kLastTableYear;

// The year's schedule: the announced arrangement, else the rules for a year
// after the announced ones, else nothing.
std::optional<HolidaySchedule> VietnamHolidaySchedule(int year);

// The years with an announced arrangement, in order, and the arrangement
// of one of them (every day Official); nothing for any other year.
std::vector<int> PublishedVietnamYears();
std::optional<HolidaySchedule> PublishedVietnamSchedule(int year);

// The year as the Labour Code alone gives it, with the tables switched off
// (every day Provisional). What the Thủ tướng decides each year is left out:
// of Tết only the four days every arrangement keeps (the last day of the
// lunar year and mồng 1 to 3) and no nghỉ bù for them; from 2021, of Quốc
// khánh only 2/9 and no nghỉ bù; and every swap. Nothing outside the rule
// years.
std::optional<HolidaySchedule> VietnamScheduleFromRules(int year);

}  // namespace tessarine
