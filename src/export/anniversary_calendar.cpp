#include "export/anniversary_calendar.h"

#include <fmt/format.h>

#include "export/ical_builder.h"
#include "export/ical_text.h"

namespace tessarine {

std::string AnniversaryCalendarFile(const std::vector<Anniversary>& entries, std::chrono::year first,
                                    std::chrono::year last, std::optional<int> remindDaysBefore,
                                    std::chrono::local_seconds moment) {
  const std::vector<Occurrence> occurrences = Occurrences(entries, first, last);
  IcalBuilder builder("农历纪念日", moment, occurrences.size());
  for (const Occurrence& occurrence : occurrences) {
    // The same entry on the same day always has the same UID, whatever its
    // title's count says.
    const std::string key = occurrence.entry->name + "\t" + occurrence.entry->dateText;
    builder.AddAllDayEvent(occurrence.date, occurrence.title, Fnv1a64(key), remindDaysBefore);
  }
  return std::move(builder).Finish();
}

std::string AnniversaryFileName(std::chrono::year first, std::chrono::year last,
                                std::chrono::local_seconds moment) {
  return fmt::format("Tessarine_Anniversaries_{}-{}_{}.ics", static_cast<int>(first), static_cast<int>(last),
                     FileTimeStamp(moment));
}

}  // namespace tessarine
