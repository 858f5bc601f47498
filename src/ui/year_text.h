// The year boxes' text as a number. The window's boxes take digits only, but
// a pasted or composed text can still be anything.
#pragma once

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

}  // namespace tessarine
