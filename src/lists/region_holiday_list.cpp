// A region's built-in years joined with the user's rows.
#include "lists/region_holiday_list.h"

#include <algorithm>
#include <set>

#include "holidays/region_holidays.h"

namespace tessarine {
namespace {

// The built-in year with each row in place of the day of its date.
HolidaySchedule LaidOver(HolidaySchedule year, const HolidaySchedule& rows) {
  std::erase_if(year.days, [&](const HolidayDay& day) {
    return std::any_of(rows.days.begin(), rows.days.end(), [&](const HolidayDay& row) { return row.date == day.date; });
  });
  year.days.insert(year.days.end(), rows.days.begin(), rows.days.end());
  std::stable_sort(year.days.begin(), year.days.end(),
                   [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return year;
}

}  // namespace

bool RowsReplaceTheYear(Region region) { return region != Region::Korea && region != Region::Vietnam; }

std::optional<HolidaySchedule> KnownSchedule(const HolidayList& list, Region region, int year) {
  const auto& years = YearsOf(list, region);
  const auto rows = years.find(year);
  auto builtIn = RegionHolidaySchedule(region, year);
  if (rows == years.end()) return builtIn;
  if (RowsReplaceTheYear(region) || !builtIn) return rows->second;
  return LaidOver(std::move(*builtIn), rows->second);
}

std::vector<HolidaySchedule> KnownSchedules(const HolidayList& list, Region region) {
  if (region == Region::China) return KnownSchedules(list);  // the mainland's, as every earlier version knew them
  std::set<int> years;
  const YearRange builtIn = HolidayYearsOf(region).known;
  for (int year = static_cast<int>(builtIn.first()); year <= static_cast<int>(builtIn.last()); ++year)
    years.insert(year);
  for (const auto& [year, schedule] : YearsOf(list, region)) years.insert(year);
  std::vector<HolidaySchedule> known;
  for (const int year : years) {
    if (auto schedule = KnownSchedule(list, region, year)) known.push_back(std::move(*schedule));
  }
  return known;
}

}  // namespace tessarine
