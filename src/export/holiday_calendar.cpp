#include "export/holiday_calendar.h"

#include <fmt/format.h>

#include <algorithm>

#include "calendar/vocabulary_holidays.h"
#include "export/year_calendar.h"

namespace tessarine {
namespace {

// The start of the region's file names: the mainland's files keep the name
// they have always had.
std::string HolidayStem(Region region) {
  static constexpr std::string_view kPlaces[kRegionCount] = {"", "Taiwan", "HongKong", "Korea", "Vietnam"};
  const std::string_view place = kPlaces[static_cast<int>(region)];
  return place.empty() ? std::string("Tessarine_Holidays") : fmt::format("Tessarine_Holidays_{}", place);
}

}  // namespace

std::vector<DayEvent> HolidayEvents(const std::vector<HolidaySchedule>& schedules, YearRange years,
                                    Language language, Region region) {
  std::vector<DayEvent> events;
  for (const HolidaySchedule& schedule : schedules) {
    if (std::chrono::year{schedule.year} < years.first() || std::chrono::year{schedule.year} > years.last()) continue;
    for (const HolidayDay& day : schedule.days) {
      DayEvent& event = events.emplace_back();
      event.date = day.date;
      event.title = day.name + HolidayMark(day, language, region);
      event.identity = {EventKind::Holiday, CalendarOf(region), 0, region};
      event.officialDay = day.kind;
    }
  }
  std::stable_sort(events.begin(), events.end(), [](const DayEvent& a, const DayEvent& b) { return a.date < b.date; });
  return events;
}

std::string HolidayCalendarName(YearRange years, Language language, Region region, bool rolling) {
  const std::string_view name = HolidayCalendarNameOf(language, region);
  if (region == Region::China || rolling) return std::string(name);
  const int first = static_cast<int>(years.first()), last = static_cast<int>(years.last());
  return first == last ? fmt::format("{} {}", name, first) : fmt::format("{} {}-{}", name, first, last);
}

std::string HolidayFileName(YearRange years, std::chrono::local_seconds moment, bool fixed, Region region) {
  return CalendarFileName(fmt::format("{}_{}-{}", HolidayStem(region), static_cast<int>(years.first()),
                                      static_cast<int>(years.last())),
                          moment, fixed);
}

std::string HolidayRollingFileName(Region region) { return HolidayStem(region) + "_Rolling.ics"; }

MarkedDays MarksOf(const std::vector<HolidaySchedule>& schedules) {
  MarkedDays marks;
  for (const HolidaySchedule& schedule : schedules) {
    for (const HolidayDay& day : schedule.days) marks[day.date] = day;
  }
  return marks;
}

std::string HolidayMarkWords(const HolidayDay& day, Language language, Region region) {
  const HolidayMarks words = HolidayMarksOf(language, region);
  // A region with no word for a make-up workday has none in its schedules;
  // one that came in all the same keeps the language's plain word.
  std::string_view mark = day.kind == HolidayKind::DayOff ? words.dayOff : words.workday;
  if (mark.empty()) mark = VocabularyOf(language).workday;
  std::string text(mark);
  if (day.status == HolidayStatus::Provisional) text.append(words.joiner).append(words.provisional);
  return text;
}

std::string HolidayMark(const HolidayDay& day, Language language, Region region) {
  std::string mark("(");
  mark.append(HolidayMarkWords(day, language, region)).push_back(')');
  return mark;
}

std::string MarkedTitle(std::string title, std::chrono::sys_days date, const MarkedDays& marks, Language language,
                        Region region) {
  if (title.empty()) return title;
  const auto mark = marks.find(date);
  return mark == marks.end() ? title : title + HolidayMark(mark->second, language, region);
}

}  // namespace tessarine
