// The anniversaries' events and file name: each occurrence of an entry an
// all-day event like a day of a year file, with an optional reminder, as an
// alarm or as an event of its own (anniversary_stream puts them in a file).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calendar/vocabulary.h"
#include "calendar/year_range.h"
#include "compose/anniversary.h"
#include "export/day_event.h"

namespace tessarine {

// How a reminder reaches the user. Some calendars (Google's among them)
// drop alarms on import; for them a reminder can be an event of its own.
enum class ReminderStyle {
  Alarm,          // an alarm at 09:00 local time, in the event
  SeparateEvent,  // an all-day event that many days before: "3天后：妈妈生日 (66)"
};

// The events of `occurrences`, in their order, each after its separate
// reminder when there is one; SortByDate puts them in the file's order.
// `remindDaysBefore`: a reminder that many days before (0: on the day), or
// none. A separate reminder event, worded in `language`, needs at least one
// day: on the day itself the anniversary's own event is the reminder.
// `keyHashes` holds Fnv1a64 of each entry's key (KeyHashes), made once per
// list: an entry repeats its key every year.
void AppendOccurrenceEvents(std::vector<DayEvent>& events, std::vector<Occurrence> occurrences,
                            std::optional<int> remindDaysBefore, ReminderStyle style, Language language,
                            std::span<const std::uint64_t> keyHashes);

// Fnv1a64 of each entry's key (OccurrenceKeys).
std::vector<std::uint64_t> KeyHashes(const std::vector<Anniversary>& entries);

// Sorts by date, keeping the order of events on one day.
void SortByDate(std::vector<DayEvent>& events);

// Whether reminders are events of their own, dated before their day.
bool SeparateReminders(std::optional<int> remindDaysBefore, ReminderStyle style);

// "Tessarine_Anniversaries_<first>-<last>_<yymmdd-hhnnss>.ics", or without
// the stamp for a fixed name.
std::string AnniversaryFileName(YearRange years, std::chrono::local_seconds moment, bool fixed = false);

}  // namespace tessarine
