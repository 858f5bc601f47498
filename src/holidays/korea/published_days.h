// Korea's 공휴일 as published for each year from 2018 to 2027: the 월력요항
// (천문법; 한국천문연구원 until the 2024 edition, 우주항공청 since), with
// the days set after it was published (임시공휴일, the substitutes of the
// 2021 and 2023 revisions, and 노동절 and 제헌절 of 2026). Sundays are
// listed only where they carry a holiday.
#pragma once

#include <optional>

#include "calendar/year_range.h"
#include "holidays/schedule.h"

namespace tessarine::korea {

YearRange PublishedYears();

// The year's published days, every one Official; nothing outside PublishedYears().
std::optional<HolidaySchedule> PublishedSchedule(int year);

}  // namespace tessarine::korea
