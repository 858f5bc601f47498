// Official days off and make-up workdays (休 and 班) in mainland China, as
// the State Council's yearly notices (国务院办公厅关于某年部分节假日安排的通知)
// announce them. Nobody can compute them; a year without a notice has none.
//
// The built-in schedules run from 2008 to 2026. Where a later notice changed
// a year, they follow what happened: the 2015-09-03 commemoration, the 2019
// 劳动节 of four days, and the 2020 春节 extended to 02-02.
#pragma once

#include <optional>
#include <vector>

#include "holidays/schedule.h"

namespace tessarine {

// The years with a built-in schedule, in order.
std::vector<int> BuiltInHolidayYears();

// The built-in schedule of `year`, or nothing.
std::optional<HolidaySchedule> BuiltInHolidaySchedule(int year);

}  // namespace tessarine
