// Hong Kong's general holidays as published for each year from 2012 to
// 2026: the gazette's yearly list and the 1823 feed.
#pragma once

#include <optional>

#include "calendar/year_range.h"
#include "holidays/schedule.h"

namespace tessarine::hong_kong {

YearRange PublishedYears();

// The year's published days, every one Official; nothing outside PublishedYears().
std::optional<HolidaySchedule> PublishedSchedule(int year);

}  // namespace tessarine::hong_kong
