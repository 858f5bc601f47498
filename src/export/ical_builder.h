// Builds the bytes of an iCalendar file of all-day events in one reserved
// buffer: the byte-order mark, CR LF line ends, the calendar's header with its
// display name, the events in the order added, and the footer.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessarine {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The 64-bit FNV-1a hash of `bytes`: the stable part of an event's UID.
constexpr std::uint64_t Fnv1a64(std::string_view bytes) noexcept {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
  return hash;
}

class IcalBuilder {
 public:
  // `calendarName` is what a calendar program shows for the imported file;
  // `moment`, the local time of generation, stamps every event.
  IcalBuilder(std::string_view calendarName, std::chrono::local_seconds moment, std::size_t expectedEvents);

  // An event that covers `date`. `title` is plain text, cleaned and escaped
  // here. Its UID is the date and the hash of the title as written, so the
  // same content always gets the same UID.
  void AddAllDayEvent(std::chrono::sys_days date, std::string_view title);
  // The same with the UID's hash given, and a reminder at 09:00 local time
  // `remindDaysBefore` days before the day (0: on the day itself).
  void AddAllDayEvent(std::chrono::sys_days date, std::string_view title, std::uint64_t uidHash,
                      std::optional<int> remindDaysBefore);

  // The finished file; the builder is spent.
  std::string Finish() &&;

 private:
  void Line(std::string_view a, std::string_view b = {});
  void Event(std::chrono::sys_days date, std::uint64_t uidHash, std::optional<int> remindDaysBefore);

  std::string text_;
  std::string escaped_;  // the current title as written, reused for each event
  std::string stamp_;    // the generation date, "yyyymmddT120000Z"
};

}  // namespace tessarine
