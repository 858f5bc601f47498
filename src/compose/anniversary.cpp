#include "compose/anniversary.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace tessarine {

std::optional<std::chrono::sys_days> OccurrenceIn(const Anniversary& entry, int year) {
  const bool leap = entry.leap && LeapMonthOf(year, entry.calendar) == entry.month;
  const unsigned length = LunarMonthDays(year, entry.month, leap, entry.calendar);
  if (length == 0) return std::nullopt;  // a year the engine does not know
  return FromLunarDate({year, entry.month, std::min(entry.day, length), leap}, entry.calendar);
}

std::optional<std::chrono::sys_days> NextOccurrence(const Anniversary& entry, std::chrono::sys_days from) {
  // Lunar year y falls from late January of y to February of y + 1, so the
  // lunar years y - 1 to y + 1 hold the next day after any day of year y;
  // an entry whose first year is later starts there.
  const int y = static_cast<int>(std::chrono::year_month_day{from}.year());
  const int start = std::max(y - 1, entry.firstYear.value_or(y - 1));
  for (int year = start; year <= start + 2; ++year) {
    const auto date = OccurrenceIn(entry, year);
    if (date && *date >= from) return date;
  }
  return std::nullopt;
}

std::string OccurrenceKey(const Anniversary& entry) { return entry.name + "\t" + entry.dateText; }

std::vector<std::string> OccurrenceKeys(const std::vector<Anniversary>& entries) {
  std::vector<std::string> keys;
  keys.reserve(entries.size());
  std::map<std::string, int> seen;
  for (const Anniversary& entry : entries) {
    // Two rows with the same name and date (a first year apart, say) must
    // not share UIDs, or a calendar keeps only one: the second gets a number.
    std::string key = OccurrenceKey(entry);
    if (const int earlier = seen[key]++; earlier > 0) key.append("\t").append(std::to_string(earlier + 1));
    keys.push_back(std::move(key));
  }
  return keys;
}

std::vector<Occurrence> Occurrences(const std::vector<Anniversary>& entries, YearRange years) {
  // Found and ordered as small records first; titles are made once
  // the order is known.
  struct Found {
    std::chrono::sys_days date;
    int lunarYear;
    std::uint32_t entry;
  };
  const std::chrono::sys_days firstDay = years.firstDay(), lastDay = years.lastDay();
  const auto dayIndex = [firstDay](std::chrono::sys_days date) { return static_cast<std::size_t>((date - firstDay).count()); };
  std::vector<Found> found;
  // How many fall on each day of the range: the records are then put in
  // date order in one pass, keeping list order on a day.
  std::vector<std::uint32_t> onDay(dayIndex(lastDay) + 2);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Anniversary& entry = entries[i];
    for (int year = static_cast<int>(years.first()) - 1; year <= static_cast<int>(years.last()); ++year) {
      if (entry.firstYear && year < *entry.firstYear) continue;
      const auto date = OccurrenceIn(entry, year);
      if (!date || *date < firstDay || *date > lastDay) continue;
      found.push_back({*date, year, static_cast<std::uint32_t>(i)});
      ++onDay[dayIndex(*date) + 1];
    }
  }
  for (std::size_t day = 1; day < onDay.size(); ++day) onDay[day] += onDay[day - 1];  // where each day starts
  std::vector<Found> ordered(found.size());
  for (const Found& f : found) ordered[onDay[dayIndex(f.date)]++] = f;
  std::vector<Occurrence> occurrences;
  occurrences.reserve(ordered.size());
  for (const Found& f : ordered) {
    const Anniversary& entry = entries[f.entry];
    std::string title = entry.name;
    if (entry.firstYear) title.append(" (").append(std::to_string(f.lunarYear - *entry.firstYear)).append(")");
    occurrences.push_back({f.date, f.lunarYear, std::move(title), f.entry});
  }
  return occurrences;
}

}  // namespace tessarine
