// Hong Kong's general holidays (公眾假期) for a year: those the government
// published (2012–2026), Official; for the other years from 1999 to 2100,
// those that follow from the General Holidays Ordinance (Cap. 149) alone,
// Provisional. The government's own feed is read by
// holidays/hong_kong/holiday_feed.h.
//
// Hong Kong has no make-up workdays: every day is a DayOff. Ordinary
// Sundays are not listed, nor a holiday that falls on one (it is replaced
// by its substitute). Names are the gazette's traditional Chinese.
//
// What the rules cannot know: a day the Legislative Council or the Chief
// Executive in Council appoints for one year (as 2015-09-03); those known
// are in the rules (holidays/hong_kong/general_holidays.cpp).
#pragma once

#include <optional>

#include "calendar/year_range.h"
#include "holidays/schedule.h"

namespace tessarine {

// The years built in from the published lists: 2012–2026.
YearRange HongKongPublishedYears();

// The years the rules describe: 1999–2100.
YearRange HongKongRuleYears();

// The year's published list where there is one, else the rules' days;
// nothing outside HongKongRuleYears().
std::optional<HolidaySchedule> HongKongHolidaySchedule(int year);

// The rules alone, with the published lists switched off, every day
// Provisional. What the tests hold against the published years.
std::optional<HolidaySchedule> HongKongRuleSchedule(int year);

}  // namespace tessarine
