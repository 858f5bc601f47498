// Taiwan's and Hong Kong's published files into the user's list.
#include "lists/region_import.h"

#include "holidays/hong_kong/holiday_feed.h"
#include "holidays/region_holidays.h"
#include "lists/office_calendar_bytes.h"
#include "lists/region_holiday_list.h"

namespace tessarine {

Result<RegionImport, OfficeCalendarError> ImportTaiwanCalendar(std::string_view bytes, const HolidayList& list) {
  auto file = ReadOfficeCalendarBytes(bytes);
  if (!file) return Failure{std::move(file).error()};
  const OfficeCalendar& read = *file;
  // A revision changes a published table: the built-in one or one imported
  // before, never the rules' guess at a year not yet published.
  const YearRange published = HolidayYearsOf(Region::Taiwan).published;
  const bool tabled =
      (read.year >= static_cast<int>(published.first()) && read.year <= static_cast<int>(published.last())) ||
      YearsOf(list, Region::Taiwan).contains(read.year);
  auto year = ApplyOfficeCalendar(read, tabled ? KnownSchedule(list, Region::Taiwan, read.year) : std::nullopt);
  if (!year) return Failure{std::move(year).error()};
  return RegionImport{Region::Taiwan, {*std::move(year)}};
}

Result<RegionImport, FeedError> ImportHongKongFeed(std::string_view bytes) {
  auto feed = ReadHongKongFeed(bytes);
  if (!feed) return Failure{std::move(feed).error()};
  return RegionImport{Region::HongKong, *std::move(feed)};
}

void StoreImport(CsvDocument& document, const RegionImport& import) {
  for (const HolidaySchedule& year : import.years) StoreSchedule(document, year, import.region);
}

std::vector<HolidayDay> ReplacedRows(const HolidayList& list, const RegionImport& import) {
  std::vector<HolidayDay> replaced;
  for (const HolidaySchedule& year : import.years) {
    const auto rows = ReplacedRows(list, year, import.region);
    replaced.insert(replaced.end(), rows.begin(), rows.end());
  }
  return replaced;
}

}  // namespace tessarine
