#include "export/anniversary_calendar.h"

#include <fmt/format.h>

#include "export/ical_text.h"
#include "export/ical_writer.h"

namespace tessarine {

std::vector<DayEvent> AnniversaryEvents(const std::vector<Anniversary>& entries, YearRange years,
                                        std::optional<int> remindDaysBefore) {
  std::vector<Occurrence> occurrences = Occurrences(entries, years);
  std::vector<DayEvent> events;
  events.reserve(occurrences.size());
  for (Occurrence& occurrence : occurrences) {
    // The same entry on the same day always has the same UID, whatever its
    // title's count says.
    DayEvent& event = events.emplace_back();
    event.date = occurrence.date;
    event.title = std::move(occurrence.title);
    event.uidKey = std::move(occurrence.key);
    event.remindDaysBefore = remindDaysBefore;
  }
  return events;
}

std::string AnniversaryCalendarFile(const std::vector<Anniversary>& entries, YearRange years,
                                    std::optional<int> remindDaysBefore, std::chrono::local_seconds moment) {
  return IcalText(kAnniversaryCalendarName, AnniversaryEvents(entries, years, remindDaysBefore), moment);
}

std::string AnniversaryFileName(YearRange years, std::chrono::local_seconds moment) {
  return fmt::format("Tessarine_Anniversaries_{}-{}_{}.ics", static_cast<int>(years.first()),
                     static_cast<int>(years.last()), FileTimeStamp(moment));
}

}  // namespace tessarine
