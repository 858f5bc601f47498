// The official holidays as one calendar: one all-day event for every day off
// (<name>(休)) and every make-up workday (<name>(班)) of the known years in a
// span, marked for the clients that show such days (Apple's calendar), and
// the marks the lunar year files can carry on those days.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "holidays/china/built_in_schedule.h"
#include "calendar/vocabulary.h"
#include "calendar/year_range.h"
#include "export/day_event.h"

namespace tessarine {

inline constexpr std::string_view kHolidayCalendarName = "法定节假日";

// The events of the schedules whose year lies in `years`, in date order.
std::vector<DayEvent> HolidayEvents(const std::vector<HolidaySchedule>& schedules, YearRange years);

// "Tessarine_Holidays_<first>-<last>_<yymmdd-hhnnss>.ics", or without the
// stamp for a fixed name.
std::string HolidayFileName(YearRange years, std::chrono::local_seconds moment, bool fixed = false);

// Which days of the schedules are days off and workdays, and whether each
// is published or follows from the rules, for marking titles.
using MarkedDays = std::map<std::chrono::sys_days, HolidayDay>;
MarkedDays MarksOf(const std::vector<HolidaySchedule>& schedules);

// The mark of a day in the language's and the region's words: "(休)",
// "(班)", Taiwan's "(補班)", "(휴)", "(Nghỉ)"; a day from the rules alone
// says so: "(휴, 예정)", "(休、暂定)".
std::string HolidayMark(const HolidayDay& day, Language language, Region region);

// `title` with its day's mark when `date` is marked; an empty title stays
// empty, so a day without an event still has none.
std::string MarkedTitle(std::string title, std::chrono::sys_days date, const MarkedDays& marks, Language language,
                        Region region);

}  // namespace tessarine
