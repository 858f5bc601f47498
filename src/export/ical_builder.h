// Builds the bytes of an iCalendar file of all-day events in one reserved
// buffer: the byte-order mark, CR LF line ends, the calendar's header, the
// events in the order added, and the footer.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessarine {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class IcalBuilder {
 public:
  // `moment`, the local time of generation, stamps every event.
  IcalBuilder(std::chrono::local_seconds moment, std::size_t expectedEvents);

  // An event that covers `date`; `title` is plain text, escaped here.
  void AddAllDayEvent(std::chrono::sys_days date, std::string_view title, std::string_view uidSuffix);

  // The finished file; the builder is spent.
  std::string Finish() &&;

 private:
  void Line(std::string_view a, std::string_view b = {});

  std::string text_;
  std::string escaped_;  // reused for each title
  std::string stamp_;    // the generation date, "yyyymmddT120000Z"
};

}  // namespace tessarine
