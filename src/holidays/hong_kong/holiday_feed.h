// Reads Hong Kong's general holidays from the government's iCalendar feed
// (1823, https://www.1823.gov.hk/common/ical/en.ics, tc.ics or sc.ics) as
// downloaded: UTF-8, with or without a byte-order mark, CRLF or LF, folded
// or not. One all-day VEVENT a holiday (DTSTART;VALUE=DATE, the name in
// SUMMARY, UID YYYYMMDD@1823.gov.hk); ordinary Sundays are not in it.
//
// A feed is read whole or refused: a file cut short (no END:VCALENDAR), a
// foreign one (not a calendar, or events that are not the feed's), an event
// that is not one whole day, and anything unknown that may change what the
// events mean (a recurrence, a cancellation, an unknown property or
// component) are refused with the line at fault (holidays/hong_kong/feed_error.h).
// Properties that cannot change a day (DTSTAMP, TRANSP, X-…) are passed over.
//
// The names become the gazette's traditional Chinese whatever the feed's
// language (holidays/hong_kong/feed_names.h). libical, which the tests link,
// is not part of the core; the few lines the feed uses are read here.
#pragma once

#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "holidays/hong_kong/feed_error.h"
#include "holidays/schedule.h"

namespace tessarine {

// One schedule for each year the feed covers (it carries about three), in
// year order; every day Official.
Result<std::vector<HolidaySchedule>, FeedError> ReadHongKongFeed(std::string_view bytes);

}  // namespace tessarine
