// Any region's official days off and make-up workdays for a year, from the
// one place that knows where each region's come from:
//
//   cn  the State Council's notices, built in (holidays/china): Official;
//       no rule gives a year without a notice;
//   kr  the 월력요항 lists, else 「관공서의 공휴일에 관한 규정」 (holidays/korea);
//   hk  the government's lists, else the General Holidays Ordinance
//       (holidays/hong_kong);
//   tw  the DGPA's 辦公日曆表, else 紀念日及節日實施條例 for the years after
//       them, without 補班 (holidays/taiwan);
//   vn  the announced arrangements, else the Labour Code's days for the
//       years after them (holidays/vietnam).
//
// A day from a published list is Official, one from the rules Provisional.
// A year neither covers is unknown: nothing, never a guess.
#pragma once

#include <optional>

#include "calendar/region.h"
#include "calendar/year_range.h"
#include "holidays/schedule.h"

namespace tessarine {

// The years a region's schedules come from: those published (built in), and
// every year a schedule is given for, published or from the rules. Each is
// one unbroken span; `known` holds `published`.
struct RegionHolidayYears {
  YearRange published;
  YearRange known;
};

RegionHolidayYears HolidayYearsOf(Region region);

// The region's schedule of `year`, or nothing for a year outside
// HolidayYearsOf(region).known.
std::optional<HolidaySchedule> RegionHolidaySchedule(Region region, int year);

// Whether the region ever has make-up workdays (班): Korea and Hong Kong
// never do; the mainland, Taiwan (補班) and Vietnam (làm bù) do.
bool HasMakeUpWorkdays(Region region);

}  // namespace tessarine
