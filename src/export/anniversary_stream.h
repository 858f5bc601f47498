// The anniversaries' calendar composed a year at a time while it is written.
// Ten thousand entries over two centuries make two million events, half a
// gigabyte of text: far more than is worth holding at once. The pieces add up
// to the same text, byte for byte, as writing the whole range's events at
// once would give, while memory holds one year's events and text.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/anniversary_calendar.h"

namespace tessarine {

class AnniversaryStream {
 public:
  // `entries` must outlive the stream.
  AnniversaryStream(const std::vector<Anniversary>& entries, YearRange years, std::optional<int> remindDaysBefore,
                    ReminderStyle style, Language language, std::string_view calendarName,
                    std::chrono::local_seconds moment, bool published);

  // The next piece of the file; empty at its end. Valid until the next call.
  std::string_view Next();

 private:
  // Composes the events of the next year's occurrences into `text_`, with
  // those of earlier years that must come before any later year's.
  void ComposeYear();

  const std::vector<Anniversary>& entries_;
  const YearRange years_;
  const std::optional<int> remindDaysBefore_;
  const ReminderStyle style_;
  const Language language_;
  const std::chrono::local_seconds moment_;
  const std::vector<std::uint64_t> keyHashes_;  // each entry's key's, made once
  std::chrono::year next_;   // the next year to compose
  bool headerGiven_ = false;
  bool footerGiven_ = false;
  std::vector<DayEvent> pending_;  // composed, in file order, not yet written
  std::string text_;
};

}  // namespace tessarine
