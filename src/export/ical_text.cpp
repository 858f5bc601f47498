#include "export/ical_text.h"

#include <fmt/format.h>

#include <algorithm>

namespace tessarine {

std::string EscapeText(std::string_view title) {
  std::string escaped;
  escaped.reserve(title.size() + 8);
  AppendEscapedText(escaped, title);
  return escaped;
}

void AppendEscapedText(std::string& escaped, std::string_view title) {
  // Bytes that start something to escape: the three TEXT specials, the two
  // line-break characters, and the lead bytes of U+0085, U+2028 and U+2029.
  // The runs between them are copied whole.
  constexpr std::string_view kSpecial = "\\;,\r\n\xC2\xE2";
  std::size_t i = 0;
  while (i < title.size()) {
    const std::size_t special = std::min(title.find_first_of(kSpecial, i), title.size());
    escaped.append(title, i, special - i);
    i = special;
    if (i == title.size()) break;
    const std::string_view rest = title.substr(i);
    std::size_t used = 1;
    switch (title[i]) {
      case '\\': escaped += "\\\\"; break;
      case ';': escaped += "\\;"; break;
      case ',': escaped += "\\,"; break;
      case '\r':
        used = rest.starts_with("\r\n") ? 2 : 1;  // CR LF is one break
        escaped += "\\n";
        break;
      case '\n': escaped += "\\n"; break;
      default:
        // U+0085 (next line), U+2028 and U+2029 (line and paragraph
        // separators) break lines too; other characters pass.
        if (rest.starts_with("\xC2\x85")) {
          escaped += "\\n";
          used = 2;
        } else if (rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) {
          escaped += "\\n";
          used = 3;
        } else {
          escaped += title[i];
        }
    }
    i += used;
  }
}

std::string FileTimeStamp(std::chrono::local_seconds moment) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss time{moment - day};
  return fmt::format("{:02}{:02}{:02}-{:02}{:02}{:02}", (static_cast<int>(date.year()) % 100 + 100) % 100,
                     static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                     time.hours().count(), time.minutes().count(), time.seconds().count());
}

}  // namespace tessarine
