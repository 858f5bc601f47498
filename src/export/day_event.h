// One all-day event, the unit every calendar file is made of: a day of a
// year file, an occurrence of an anniversary, and any calendar still to
// come. The model only; writing it as iCalendar is ical_writer's job.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessarine {

// Whether an event marks its day busy in the user's calendar.
enum class Transparency {
  Transparent,  // information, not an appointment: never busy, in Outlook either
  Opaque,       // an appointment that takes the day
};

struct DayEvent {
  // The day covered. In the model the end is the day itself; the file's
  // DTEND, being exclusive, is the day after.
  std::chrono::sys_days date;
  std::string title;  // plain text; escaped when written
  std::string description;  // plain text, lines apart by "\n"; none when empty
  // The UID's stable part: Fnv1a64 of what names the event, as an
  // anniversary's entry key. None: of the title as the file writes it, so
  // the same content always gets the same UID.
  std::optional<std::uint64_t> uidKeyHash;
  // The whole UID, for calendars whose events name themselves (the holiday
  // calendar's "yyyymmdd-holiday@tessarine"); empty: made from the date and
  // uidKeyHash.
  std::string uid;
  // For a calendar of one event a day, the kind of calendar ("lunar"): the
  // UID is then "yyyymmdd-<kind>@tessarine", the date and the kind alone,
  // so that a file regenerated in another format updates the days already
  // imported instead of adding them again.
  std::string_view dayKind;
  // A reminder at 09:00 local time that many days before the day (0: on the
  // day itself), or none.
  std::optional<int> remindDaysBefore;
  std::vector<std::string> categories;  // plain text, none by default
  Transparency transparency = Transparency::Transparent;
  // Further content lines, written as they are after the standard ones, for
  // the extensions some clients read (X-APPLE-SPECIAL-DAY:WORK-HOLIDAY).
  std::vector<std::string> properties;
};

}  // namespace tessarine
