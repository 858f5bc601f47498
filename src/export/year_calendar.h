// The program's main product: one year as a calendar, one all-day event per
// day that has a title; and the names of the files of every calendar.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "calendar/day_info.h"
#include "calendar/region.h"
#include "calendar/vocabulary.h"
#include "calendar/year_range.h"
#include "export/day_event.h"

namespace tessarine {

// A day's event title; empty when the day gets no event.
using TitleFunction = std::function<std::string(const DayInfo& day)>;

// Appends the events of `year` to `events`, in date order, each day
// described in `calendar` with the festivals of `region`. Each is the day of
// its calendar, so that a Korean and a Chinese file can live side by side.
void AppendYearEvents(std::vector<DayEvent>& events, std::chrono::year year, const TitleFunction& titleOf,
                      LunarCalendar calendar, Region region);

// "农历 <year>" (農曆, 음력, Âm lịch: the calendar's name in the language),
// the name a calendar program shows for the imported file.
std::string YearCalendarName(std::chrono::year year, LunarCalendar calendar = LunarCalendar::China,
                             Language language = Language::ZhHans);

// "Tessarine_<year>_<yymmdd-hhnnss>.ics", or "Tessarine_<year>.ics" for a
// fixed name; the Korean and Vietnamese calendars' files are
// Tessarine_Korean_<year>… and Tessarine_Vietnamese_<year>….
std::string YearFileName(std::chrono::year year, std::chrono::local_seconds moment, bool fixed = false,
                         LunarCalendar calendar = LunarCalendar::China);

// One file for a range: "农历 <first>-<last>" and
// "Tessarine_<first>-<last>_<yymmdd-hhnnss>.ics" (or without the stamp).
std::string RangeCalendarName(YearRange years, LunarCalendar calendar = LunarCalendar::China,
                              Language language = Language::ZhHans);
std::string RangeFileName(YearRange years, std::chrono::local_seconds moment, bool fixed = false,
                          LunarCalendar calendar = LunarCalendar::China);

// A rolling feed's file and calendar name: "Tessarine_Rolling.ics" (or
// Tessarine_Korean_Rolling.ics …) and "农历" (음력, Âm lịch …), no years.
std::string RollingFileName(LunarCalendar calendar);
std::string RollingCalendarName(LunarCalendar calendar, Language language);

// The start of every file name of `calendar`: "Tessarine", "Tessarine_Korean"
// or "Tessarine_Vietnamese".
std::string_view StemOf(LunarCalendar calendar);

// "<stem>_<yymmdd-hhnnss>.ics", or "<stem>.ics" for a fixed name.
std::string CalendarFileName(std::string_view stem, std::chrono::local_seconds moment, bool fixed);

}  // namespace tessarine
