// A day written as yyyy-mm-dd, the way every front end, list and message of
// the program writes it, and read back the same way.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tessarine {

std::string IsoDate(std::chrono::sys_days date);

// The day that `text` writes as yyyy-mm-dd: ten characters, four, two and
// two ASCII digits between two dashes, and a day the Gregorian calendar
// has. Nothing for anything else (2024-2-3, 2024-02-30, a sign, a blank).
// Whether the calendar describes the day is the caller's to ask.
std::optional<std::chrono::sys_days> ReadIsoDate(std::string_view text);

}  // namespace tessarine
