// Reads a written calendar file back with libical, a real iCalendar parser,
// and checks what every file of ours must be: one all-day event a titled day.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tessarine::testing {

// Parses the raw bytes of a file and returns each event's start
// date ("yyyymmdd") with its unescaped title. Adds a test failure for a file
// that does not parse or has a line over 75 octets, an event that is not all-day, whose end is not the
// next day, or that lacks a UID, and for two events on one day.
std::map<std::string, std::string> ParseCalendar(std::string_view bytes);

}  // namespace tessarine::testing
