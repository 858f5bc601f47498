#include "export/holiday_calendar.h"

#include <fmt/format.h>

#include <algorithm>

#include "export/year_calendar.h"

namespace tessarine {
namespace {

std::string Suffix(HolidayKind kind, Language language = Language::ZhHans) {
  const Vocabulary& words = VocabularyOf(language);
  return std::string("(").append(kind == HolidayKind::DayOff ? words.dayOff : words.workday).append(")");
}

}  // namespace

std::vector<DayEvent> HolidayEvents(const std::vector<HolidaySchedule>& schedules, YearRange years) {
  std::vector<DayEvent> events;
  for (const HolidaySchedule& schedule : schedules) {
    if (std::chrono::year{schedule.year} < years.first() || std::chrono::year{schedule.year} > years.last()) continue;
    for (const HolidayDay& day : schedule.days) {
      DayEvent& event = events.emplace_back();
      event.date = day.date;
      event.title = day.name + Suffix(day.kind);
      // The schedules are the mainland's: their days are China's.
      event.identity = {EventKind::Holiday, LunarCalendar::China};
      event.officialDay = day.kind;
    }
  }
  std::stable_sort(events.begin(), events.end(), [](const DayEvent& a, const DayEvent& b) { return a.date < b.date; });
  return events;
}

std::string HolidayFileName(YearRange years, std::chrono::local_seconds moment, bool fixed) {
  return CalendarFileName(
      fmt::format("Tessarine_Holidays_{}-{}", static_cast<int>(years.first()), static_cast<int>(years.last())), moment,
      fixed);
}

HolidayMarks MarksOf(const std::vector<HolidaySchedule>& schedules) {
  HolidayMarks marks;
  for (const HolidaySchedule& schedule : schedules) {
    for (const HolidayDay& day : schedule.days) marks[day.date] = day.kind;
  }
  return marks;
}

std::string MarkedTitle(std::string title, std::chrono::sys_days date, const HolidayMarks& marks, Language language) {
  if (title.empty()) return title;
  const auto mark = marks.find(date);
  return mark == marks.end() ? title : title + Suffix(mark->second, language);
}

}  // namespace tessarine
