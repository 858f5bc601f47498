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

namespace {

// OccurrenceIn for many entries over a few lunar years: each month's first
// day and length are found once, for all the entries that fall in it. A
// long list has thousands of entries in the same few dozen months.
class MonthTable {
 public:
  MonthTable(int firstYear, int lastYear)
      : firstYear_(firstYear), months_(static_cast<std::size_t>(lastYear - firstYear + 1) * kCalendars * 13) {}

  std::optional<std::chrono::sys_days> OccurrenceIn(const Anniversary& entry, int year) {
    if (entry.month < 1 || entry.month > 12) return tessarine::OccurrenceIn(entry, year);
    Month& month = months_[((static_cast<std::size_t>(year - firstYear_) * kCalendars) +
                            static_cast<std::size_t>(entry.calendar)) * 13 + entry.month];
    if (!month.known) {
      month.known = true;
      month.leap = LeapMonthOf(year, entry.calendar) == entry.month;
      month.length = LunarMonthDays(year, entry.month, false, entry.calendar);
      const auto start = FromLunarDate({year, entry.month, 1, false}, entry.calendar);
      const auto leapStart = FromLunarDate({year, entry.month, 1, true}, entry.calendar);
      // The tables begin inside lunar 1900's eleventh month: a month whose
      // first day they do not hold is left to OccurrenceIn itself.
      month.whole = (month.length == 0 || start) && (!month.leap || leapStart);
      month.start = start.value_or(std::chrono::sys_days{});
      month.leapStart = leapStart.value_or(std::chrono::sys_days{});
      if (month.leap) month.leapLength = LunarMonthDays(year, entry.month, true, entry.calendar);
    }
    if (!month.whole) return tessarine::OccurrenceIn(entry, year);
    // An entry in a leap month falls in the ordinary month of a year that
    // has no leap copy of it.
    const bool leap = entry.leap && month.leap;
    const unsigned length = leap ? month.leapLength : month.length;
    if (length == 0) return std::nullopt;  // a year the engine does not know
    return (leap ? month.leapStart : month.start) + std::chrono::days{std::min(entry.day, length) - 1};
  }

 private:
  static constexpr std::size_t kCalendars = 3;
  struct Month {
    bool known = false, whole = false, leap = false;
    unsigned length = 0, leapLength = 0;
    std::chrono::sys_days start{}, leapStart{};
  };
  int firstYear_;
  std::vector<Month> months_;  // by year, calendar and month
};

}  // namespace

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
  found.reserve(entries.size() * static_cast<std::size_t>(years.size()));  // about one a year each
  // How many fall on each day of the range: the records are then put in
  // date order in one pass, keeping list order on a day.
  std::vector<std::uint32_t> onDay(dayIndex(lastDay) + 2);
  MonthTable months(static_cast<int>(years.first()) - 1, static_cast<int>(years.last()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Anniversary& entry = entries[i];
    for (int year = static_cast<int>(years.first()) - 1; year <= static_cast<int>(years.last()); ++year) {
      if (entry.firstYear && year < *entry.firstYear) continue;
      const auto date = months.OccurrenceIn(entry, year);
      if (!date || *date < firstDay || *date > lastDay) continue;
      found.push_back({*date, year, static_cast<std::uint32_t>(i)});
      ++onDay[dayIndex(*date) + 1];
    }
  }
  for (std::size_t day = 1; day < onDay.size(); ++day) onDay[day] += onDay[day - 1];  // where each day starts
  std::vector<Occurrence> occurrences(found.size());
  for (const Found& f : found) {
    Occurrence& o = occurrences[onDay[dayIndex(f.date)]++];
    const Anniversary& entry = entries[f.entry];
    o = {f.date, f.lunarYear, entry.name, f.entry};
    if (entry.firstYear) o.title.append(" (").append(std::to_string(f.lunarYear - *entry.firstYear)).append(")");
  }
  return occurrences;
}

}  // namespace tessarine
