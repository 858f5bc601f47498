// The pieces of an iCalendar file that do not depend on the batch: TEXT value
// escaping and the time stamp in a file's name.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tessarine {

// Appends an event title as an iCalendar TEXT value: control characters
// other than tab and line breaks are dropped, backslash, semicolon and comma
// are escaped, and every line break becomes \n, so a title stays one line.
void AppendEscapedText(std::string& out, std::string_view title);
std::string EscapeText(std::string_view title);

// "yymmdd-hhnnss", the time stamp in a file's name.
std::string FileTimeStamp(std::chrono::local_seconds moment);

}  // namespace tessarine
