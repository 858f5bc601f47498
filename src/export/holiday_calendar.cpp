#include "export/holiday_calendar.h"

#include <fmt/format.h>

#include <algorithm>

#include "calendar/vocabulary_holidays.h"
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

MarkedDays MarksOf(const std::vector<HolidaySchedule>& schedules) {
  MarkedDays marks;
  for (const HolidaySchedule& schedule : schedules) {
    for (const HolidayDay& day : schedule.days) marks[day.date] = day;
  }
  return marks;
}

std::string HolidayMark(const HolidayDay& day, Language language, Region region) {
  const HolidayMarks words = HolidayMarksOf(language, region);
  // A region with no word for a make-up workday has none in its schedules;
  // one that came in all the same keeps the language's plain word.
  std::string_view mark = day.kind == HolidayKind::DayOff ? words.dayOff : words.workday;
  if (mark.empty()) mark = VocabularyOf(language).workday;
  std::string text = std::string("(").append(mark);
  if (day.status == HolidayStatus::Provisional) text.append(words.joiner).append(words.provisional);
  return text.append(")");
}

std::string MarkedTitle(std::string title, std::chrono::sys_days date, const MarkedDays& marks, Language language,
                        Region region) {
  if (title.empty()) return title;
  const auto mark = marks.find(date);
  return mark == marks.end() ? title : title + HolidayMark(mark->second, language, region);
}

}  // namespace tessarine
