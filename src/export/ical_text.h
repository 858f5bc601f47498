// The pieces of an iCalendar file that do not depend on the batch: value
// escaping, date stamps and the year text check.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessarine {

// A text that should hold a decimal integer but does not. Its message is the
// one the general error report shows: 'X' is not a valid integer value
struct ConversionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A decimal integer, optionally signed: "2013", "+2013", "-1". Anything else,
// including blanks, full-width digits and numbers too large, throws.
int ParseYearText(std::string_view text);

// An event title as an iCalendar TEXT value: backslash, semicolon and comma
// are escaped and every line break becomes \n, so a title stays one line.
std::string EscapeText(std::string_view title);

// "yyyymmdd".
std::string DateStamp(std::chrono::year_month_day date);
// "yymmdd-hhnnss", the time stamp in a file's name.
std::string FileTimeStamp(std::chrono::local_seconds moment);

}  // namespace tessarine
