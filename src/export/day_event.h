// One all-day event, the unit every calendar file is made of: a day of a
// year file, a moment of the sky, an official day off or workday, an
// occurrence of an anniversary or its reminder. Facts only: what the day
// is, what it says and how it stands; the lines they become in a file,
// the UID among them, are ical_writer's alone.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/lunar_date.h"
#include "calendar/region.h"
#include "holidays/schedule.h"

namespace tessarine {

// The 64-bit FNV-1a hash of `bytes`, how an anniversary's entry is named
// in its events (EventIdentity::entry). Given the hash of a text, it goes
// on to that of the text followed by `bytes`.
constexpr std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash = 0xcbf29ce484222325) noexcept {
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
  return hash;
}

// What an event is.
enum class EventKind : std::uint8_t {
  LunarDay,     // a day of a year file
  MoonPhase,    // a principal phase of the Moon
  SolarTerm,    // the moment a solar term begins
  Holiday,      // a day off or a make-up workday of the official schedule
  Anniversary,  // an occurrence of an anniversary
  Reminder,     // an anniversary's reminder, as an event of its own days before it
};

// What names an event for good, whatever its title says: the same day of the
// same calendar is the same event in every file, so a file regenerated in
// another format, with marks, or a year on (an anniversary's count changed)
// updates the events a calendar has imported instead of adding them again.
struct EventIdentity {
  EventKind kind = EventKind::LunarDay;
  // Whose days, phases, terms or schedule: the files of two calendars live
  // side by side in one account. Not part of an anniversary's identity,
  // whose entry names its calendar already.
  LunarCalendar calendar = LunarCalendar::China;
  // Which entry an anniversary or reminder is of: Fnv1a64 of the entry's
  // key (KeyHashes), made once per list; an entry repeats it every year.
  std::uint64_t entry = 0;
  // Whose official schedule a holiday is of: Taiwan's and the mainland's
  // days share a calendar but not a schedule. Only a holiday's identity.
  Region region = Region::China;
};

// Whether an event marks its day busy in the user's calendar, as free and
// busy time is reckoned (TRANSP, RFC 5545 §3.8.2.7).
enum class Transparency {
  Transparent,  // information, not an appointment: never busy, in Outlook either
  Opaque,       // an appointment that takes the day
};

struct DayEvent {
  // The day covered. In the model the end is the day itself; the file's
  // DTEND, an end not included (RFC 5545 §3.6.1), is the day after.
  std::chrono::sys_days date;
  EventIdentity identity;
  std::string title;  // plain text; escaped when written
  std::string description;  // plain text, lines apart by "\n"; none when empty
  // A reminder at 09:00 local time that many days before the day (0: on the
  // day itself), or none.
  std::optional<int> remindDaysBefore;
  std::vector<std::string> categories;  // plain text, none by default
  Transparency transparency = Transparency::Transparent;
  // An official day off or make-up workday, for the clients that mark such
  // days in their own way (Apple's calendar); none for any other day.
  std::optional<HolidayKind> officialDay;
};

}  // namespace tessarine
