// The files a region's government publishes, imported into the user's
// holiday list as that region's years:
//   tw  the DGPA's 辦公日曆表 CSV as downloaded (Big5 or UTF-8): a whole
//       year, or a 修正版 that changes rows of a year the list or the
//       built-in tables already know (lists/office_calendar_bytes.h);
//   hk  the 1823 iCalendar feed as downloaded, in any of its three
//       languages, with the about three years it carries
//       (holidays/hong_kong/holiday_feed.h).
// The mainland's notice has its own import (holidays/china/holiday_notice.h);
// Korea and Vietnam publish no such file, and their days are added as rows.
//
// A file is read whole or refused with its reader's error, and nothing is
// stored from a refused one; storing the years read replaces the region's
// rows of those years only.
#pragma once

#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "holidays/hong_kong/feed_error.h"
#include "holidays/taiwan/office_calendar.h"
#include "lists/holiday_list.h"

namespace tessarine {

struct RegionImport {
  Region region = Region::China;
  std::vector<HolidaySchedule> years;  // in year order, every day Official
};

// The year after the file: a whole year's own, or the year as `list` and the
// built-in tables know it now with the revision's rows in place. A revision
// of a year with no table (built in or imported) has nothing to change.
Result<RegionImport, OfficeCalendarError> ImportTaiwanCalendar(std::string_view bytes, const HolidayList& list);

Result<RegionImport, FeedError> ImportHongKongFeed(std::string_view bytes);

// Each year of the import into the document as its region's.
void StoreImport(CsvDocument& document, const RegionImport& import);

// The user's rows that storing the import would replace without writing
// them again, for the front end to show before it stores.
std::vector<HolidayDay> ReplacedRows(const HolidayList& list, const RegionImport& import);

}  // namespace tessarine
