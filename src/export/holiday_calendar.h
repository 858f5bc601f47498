// A region's official holidays as one calendar: one all-day event for every
// day off (<name>(休), <name>(휴)) and every make-up workday (<name>(班),
// <name>(補班), <name>(Làm bù)) of the known years in a span, marked for the
// clients that show such days (Apple's calendar), and the marks the lunar
// year files can carry on those days.
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

// The events of the region's schedules whose year lies in `years`, in date
// order, each titled by its name and its mark in the language.
std::vector<DayEvent> HolidayEvents(const std::vector<HolidaySchedule>& schedules, YearRange years,
                                    Language language, Region region);

// The name a calendar program shows for the file: the mainland's is
// "法定节假日" (in the language), as it has always been; another region's
// names its years, "대한민국 공휴일 2027" or "臺灣國定假日 2026-2027", but for a
// rolling feed, whose years move.
std::string HolidayCalendarName(YearRange years, Language language, Region region, bool rolling);

// "Tessarine_Holidays_<first>-<last>_<yymmdd-hhnnss>.ics", or without the
// stamp for a fixed name; another region's name it, as
// "Tessarine_Holidays_Korea_<first>-<last>…". A rolling feed's has no years:
// "Tessarine_Holidays_Rolling.ics", "Tessarine_Holidays_Korea_Rolling.ics".
std::string HolidayFileName(YearRange years, std::chrono::local_seconds moment, bool fixed, Region region);
std::string HolidayRollingFileName(Region region);

// Which days of the schedules are days off and workdays, and whether each
// is published or follows from the rules, for marking titles.
using MarkedDays = std::map<std::chrono::sys_days, HolidayDay>;
MarkedDays MarksOf(const std::vector<HolidaySchedule>& schedules);

// The mark of a day in the language's and the region's words: "(休)",
// "(班)", Taiwan's "(補班)", "(휴)", "(Nghỉ)"; a day from the rules alone
// says so: "(휴, 예정)", "(休、暂定)".
std::string HolidayMark(const HolidayDay& day, Language language, Region region);
// The same words without the brackets, for a table's cell: "휴, 예정".
std::string HolidayMarkWords(const HolidayDay& day, Language language, Region region);

// `title` with its day's mark when `date` is marked; an empty title stays
// empty, so a day without an event still has none.
std::string MarkedTitle(std::string title, std::chrono::sys_days date, const MarkedDays& marks, Language language,
                        Region region);

}  // namespace tessarine
