// A region's holidays as the user knows them: its built-in schedules
// (holidays/region_holidays.h) with the user's list laid over them.
//
// How a year's rows join the built-in year follows what the rows are:
//   cn, tw, hk  a notice, a 辦公日曆表 or a government feed, imported whole:
//               the rows are the year, in place of the built-in one;
//   kr, vn      days the user adds, one at a time (a 임시공휴일, an
//               announced Tết arrangement), with nothing to import whole:
//               each row is laid over the built-in year, in place of the
//               built-in day of its date, and the rest of the year stays.
// A row is Official (the user took it from an announcement); the built-in
// days keep their status.
#pragma once

#include <optional>
#include <vector>

#include "lists/holiday_list.h"

namespace tessarine {

// Whether the list's rows of a year replace the region's built-in year
// (true) or are laid over it day by day (false).
bool RowsReplaceTheYear(Region region);

// The region's year, or nothing for a year neither built in nor in the list.
std::optional<HolidaySchedule> KnownSchedule(const HolidayList& list, Region region, int year);

// The region's known years in year order: the built-in years and the years
// of the list.
std::vector<HolidaySchedule> KnownSchedules(const HolidayList& list, Region region);

}  // namespace tessarine
