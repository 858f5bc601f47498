// Every occurrence of a list's entries in a span of years as events, composed
// all at once and sorted by date: what the anniversaries' file, composed a
// year at a time while it is written, must add up to.
#pragma once

#include <optional>
#include <vector>

#include "export/anniversary_calendar.h"

namespace tessarine::testing {

inline std::vector<DayEvent> AnniversaryEvents(const std::vector<Anniversary>& entries, YearRange years,
                                               std::optional<int> remindDaysBefore, ReminderStyle style,
                                               Language language) {
  std::vector<DayEvent> events;
  AppendOccurrenceEvents(events, Occurrences(entries, years), remindDaysBefore, style, language, KeyHashes(entries));
  SortByDate(events);
  return events;
}

}  // namespace tessarine::testing
