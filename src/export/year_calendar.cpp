#include "export/year_calendar.h"

#include <fmt/format.h>

#include <array>

#include "export/ical_text.h"

namespace tessarine {
namespace {

// The file name's stem, by calendar. The Chinese one is what every file
// written so far carries.
constexpr std::array<std::string_view, 3> kStems = {"Tessarine", "Tessarine_Korean", "Tessarine_Vietnamese"};

std::string_view NameOf(LunarCalendar calendar, Language language) {
  return VocabularyOf(language).calendarNames[static_cast<std::size_t>(calendar)];
}

}  // namespace

std::string_view StemOf(LunarCalendar calendar) { return kStems[static_cast<std::size_t>(calendar)]; }

void AppendYearEvents(std::vector<DayEvent>& events, std::chrono::year year, const TitleFunction& titleOf,
                      LunarCalendar calendar, Region region) {
  const std::chrono::sys_days first{year / std::chrono::January / 1};
  const std::chrono::sys_days last{year / std::chrono::December / 31};
  // A fresh list gets room for the year at once. A list that gathers many
  // years into one file is left to the vector's own geometric growth: an
  // exact reserve each year would copy the whole list every year.
  if (events.empty()) events.reserve(static_cast<std::size_t>((last - first).count() + 1));
  for (DayInfo day = GetDayInfo(first, calendar, region); day.date <= last; day = NextDayInfo(day)) {
    std::string title = titleOf(day);
    if (title.empty()) continue;
    DayEvent& event = events.emplace_back();
    event.date = day.date;
    event.title = std::move(title);
    event.identity = {EventKind::LunarDay, calendar};
  }
}

std::string YearCalendarName(std::chrono::year year, LunarCalendar calendar, Language language) {
  return fmt::format("{} {}", NameOf(calendar, language), static_cast<int>(year));
}

std::string CalendarFileName(std::string_view stem, std::chrono::local_seconds moment, bool fixed) {
  return fixed ? fmt::format("{}.ics", stem) : fmt::format("{}_{}.ics", stem, FileTimeStamp(moment));
}

std::string YearFileName(std::chrono::year year, std::chrono::local_seconds moment, bool fixed,
                         LunarCalendar calendar) {
  return CalendarFileName(fmt::format("{}_{}", StemOf(calendar), static_cast<int>(year)), moment, fixed);
}

std::string RollingFileName(LunarCalendar calendar) { return fmt::format("{}_Rolling.ics", StemOf(calendar)); }

std::string RollingCalendarName(LunarCalendar calendar, Language language) {
  return std::string(NameOf(calendar, language));
}

std::string RangeCalendarName(YearRange years, LunarCalendar calendar, Language language) {
  return fmt::format("{} {}-{}", NameOf(calendar, language), static_cast<int>(years.first()),
                     static_cast<int>(years.last()));
}

std::string RangeFileName(YearRange years, std::chrono::local_seconds moment, bool fixed, LunarCalendar calendar) {
  return CalendarFileName(
      fmt::format("{}_{}-{}", StemOf(calendar), static_cast<int>(years.first()), static_cast<int>(years.last())),
      moment, fixed);
}

}  // namespace tessarine
