#include "export/anniversary_calendar.h"

#include <fmt/format.h>

#include <algorithm>

#include "export/year_calendar.h"

namespace tessarine {

void SortByDate(std::vector<DayEvent>& events) {
  const auto byDate = [](const DayEvent& a, const DayEvent& b) { return a.date < b.date; };
  // Without separate reminders the events are in order already.
  if (!std::is_sorted(events.begin(), events.end(), byDate)) std::stable_sort(events.begin(), events.end(), byDate);
}

bool SeparateReminders(std::optional<int> remindDaysBefore, ReminderStyle style) {
  return style == ReminderStyle::SeparateEvent && remindDaysBefore.value_or(0) > 0;
}

void AppendOccurrenceEvents(std::vector<DayEvent>& events, std::vector<Occurrence> occurrences,
                            std::optional<int> remindDaysBefore, ReminderStyle style, Language language,
                            std::span<const std::uint64_t> keyHashes) {
  const std::string_view reminderPattern = VocabularyOf(language).reminderPattern;
  const bool separate = SeparateReminders(remindDaysBefore, style);
  events.reserve(events.size() + occurrences.size() * (separate ? 2 : 1));
  for (Occurrence& occurrence : occurrences) {
    if (separate) {
      DayEvent& reminder = events.emplace_back();
      reminder.date = occurrence.date - std::chrono::days{*remindDaysBefore};
      reminder.title = fmt::format(fmt::runtime(reminderPattern), fmt::arg("days", *remindDaysBefore),
                                   fmt::arg("name", occurrence.title));
      reminder.identity = {EventKind::Reminder, {}, keyHashes[occurrence.entry]};
    }
    // The same entry on the same day is always the same event, whatever its
    // title's count says.
    DayEvent& event = events.emplace_back();
    event.date = occurrence.date;
    event.title = std::move(occurrence.title);
    event.identity = {EventKind::Anniversary, {}, keyHashes[occurrence.entry]};
    if (!separate) event.remindDaysBefore = remindDaysBefore;
  }
}

std::vector<std::uint64_t> KeyHashes(const std::vector<Anniversary>& entries) {
  std::vector<std::uint64_t> hashes;
  hashes.reserve(entries.size());
  for (const std::string& key : OccurrenceKeys(entries)) hashes.push_back(Fnv1a64(key));
  return hashes;
}

std::string AnniversaryFileName(YearRange years, std::chrono::local_seconds moment, bool fixed) {
  return CalendarFileName(
      fmt::format("Tessarine_Anniversaries_{}-{}", static_cast<int>(years.first()), static_cast<int>(years.last())),
      moment, fixed);
}

}  // namespace tessarine
