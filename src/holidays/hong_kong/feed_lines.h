// The content lines of an iCalendar text (RFC 5545, section 3.1), as the
// holiday feed's reader needs them: a leading UTF-8 byte-order mark
// dropped, CRLF or LF endings, folded lines joined, and each line split into
// its name, parameters and value. Blank lines are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "holidays/hong_kong/feed_error.h"

namespace tessarine::hong_kong {

struct ContentLine {
  int line = 0;      // the first physical line, counted from 1
  std::string text;  // unfolded, as read
  std::string name;  // upper case: DTSTART, X-WR-CALNAME
  std::vector<std::pair<std::string, std::string>> params;  // names upper case, values unquoted
  std::string value;

  // The value of a parameter, empty when absent.
  std::string_view Param(std::string_view name) const;
};

// The text's lines, or NotUtf8 or BadLine with the line at fault.
Result<std::vector<ContentLine>, FeedError> ContentLines(std::string_view bytes);

// Well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view bytes);

// A TEXT value with its escapes (\\, \; \, \n) undone and its outer blanks trimmed.
std::string TextValue(std::string_view value);

}  // namespace tessarine::hong_kong
