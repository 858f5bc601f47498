// Korea's two festivals counted from the winter solstice (동지) rather than
// kept on a lunar date, on the civil dates of the calendar's solar terms:
//
//   한식  the 105th day after 동지: the date of 동지 and 105 days, which is
//         청명 or the day after. "동지로부터 105일째 되는 날"
//         (한국민족문화대백과사전); KASI's 월력요항 gives 2017-04-05,
//         2018-04-06, 2019-04-06 and 2020-04-05, as this count does.
//   납일  the third 未 day after 동지: "동지로부터 세 번째 미일(未日)"
//         (한국민족문화대백과사전 "납일", http://encykorea.aks.ac.kr/Article/
//         E0012335; 조선왕조실록사전 "납일(臘日)"), always in January. No
//         source says whether 동지 itself counts when it is a 未 day, so
//         such a winter (as 2024's, 2017's) has no 납일 here rather than a
//         guessed one.
#pragma once

#include <optional>

#include "calendar/lunar_date.h"

namespace tessarine {

// 한식 of Gregorian year `year`, from the solstice of the December before.
std::optional<sys_days> ColdFoodDay(int year, LunarCalendar calendar);

// 납일 falling in January of `year`, from the solstice of the December
// before; none when that solstice is a 未 day, or outside the tables.
std::optional<sys_days> NapilDay(int year, LunarCalendar calendar);

}  // namespace tessarine
