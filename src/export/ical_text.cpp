#include "export/ical_text.h"

#include <charconv>
#include <cstdio>

namespace tessarine {

int ParseYearText(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  int value = 0;
  const char* const end = digits.data() + digits.size();
  const auto parsed = std::from_chars(digits.data(), end, value);
  if (digits.empty() || digits.front() == '+' || parsed.ec != std::errc{} || parsed.ptr != end) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  }
  return value;
}

std::string EscapeText(std::string_view title) {
  std::string escaped;
  escaped.reserve(title.size() + 8);
  for (std::size_t i = 0; i < title.size(); ++i) {
    const char c = title[i];
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case ';': escaped += "\\;"; break;
      case ',': escaped += "\\,"; break;
      case '\r':
        if (i + 1 < title.size() && title[i + 1] == '\n') ++i;  // CR LF is one break
        escaped += "\\n";
        break;
      case '\n': escaped += "\\n"; break;
      default: {
        // U+0085 (next line), U+2028 and U+2029 (line and paragraph separators)
        // break lines too.
        const std::string_view rest = title.substr(i);
        if (rest.starts_with("\xC2\x85")) {
          escaped += "\\n";
          i += 1;
        } else if (rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) {
          escaped += "\\n";
          i += 2;
        } else {
          escaped += c;
        }
      }
    }
  }
  return escaped;
}

std::string DateStamp(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()) % 10000,
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string FileTimeStamp(std::chrono::local_seconds moment) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss time{moment - day};
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02u%02u-%02d%02d%02d",
                (static_cast<int>(date.year()) % 100 + 100) % 100, static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return text;
}

}  // namespace tessarine
