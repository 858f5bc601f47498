// The one iCalendar writer: a calendar's display name and its all-day events
// become the file's text: UTF-8 without a byte-order mark (calendar clients
// refuse one; RFC 5545 §3.1.4 makes UTF-8 the default charset), CR LF line
// ends and lines folded at 75 octets (§3.1), the calendar's header, the
// events in the order given, and the footer.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>

#include "export/day_event.h"

namespace tessarine {

// The PRODID line, "PRODID:Tessarine v<version>//EN": the program and the
// version that wrote the file (RFC 5545 §3.7.3), the version being the
// project's one (CMakeLists.txt). Calendars tell our events apart by their
// UIDs, never by the PRODID, so a file of a newer version still updates the
// days that an older one's file put there.
std::string_view ProductId();

// Replaces the contents of `out` with the file. Its capacity is kept, so one
// string reused over a batch of files is allocated once. `moment`, the local
// time of generation, stamps every event. A `published` file, one of a fixed
// name that is served to subscribers, says so and asks them to refresh it
// daily (METHOD:PUBLISH, RFC 5545 §3.7.2; REFRESH-INTERVAL, RFC 7986 §5.7;
// and X-PUBLISHED-TTL for clients that read only that).
void WriteIcal(std::string& out, std::string_view calendarName, std::span<const DayEvent> events,
               std::chrono::local_seconds moment, bool published = false);

// The same file in parts, for a file written while it is composed: the
// header, then events in any number of calls, then the footer, each
// appended to `out`.
void AppendIcalHeader(std::string& out, std::string_view calendarName, bool published = false);
void AppendIcalEvents(std::string& out, std::span<const DayEvent> events, std::chrono::local_seconds moment);
void AppendIcalFooter(std::string& out);

}  // namespace tessarine
