// The pieces of an iCalendar file that do not depend on the batch: TEXT value
// escaping, line folding and the time stamp in a file's name.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tessarine {

// Appends an event title as an iCalendar TEXT value (RFC 5545 §3.3.11):
// control characters other than tab and line breaks are dropped, backslash,
// semicolon and comma are escaped, and every line break becomes \n, so a
// title stays one line.
void AppendEscapedText(std::string& out, std::string_view title);
std::string EscapeText(std::string_view title);

// The longest line a file holds, in octets, CR LF not counted: "Lines of
// text SHOULD NOT be longer than 75 octets" (RFC 5545 §3.1).
inline constexpr std::size_t kMaxLineOctets = 75;

// Appends one content line and its CR LF, folded where it is longer than
// kMaxLineOctets: the rest goes on following lines that begin with a space
// (RFC 5545 §3.1, folding), and a cut never falls inside a UTF-8 character,
// which the same section allows and some clients would show as garbage.
void AppendContentLine(std::string& out, std::string_view line);

// "yymmdd-hhnnss", the time stamp in a file's name.
std::string FileTimeStamp(std::chrono::local_seconds moment);

}  // namespace tessarine
