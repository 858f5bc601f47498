#include "export/ical_text.h"

#include <array>

#include <fmt/format.h>

#include <algorithm>

#include "compose/utf8_text.h"

namespace tessarine {

void AppendContentLine(std::string& out, std::string_view line) {
  std::size_t room = kMaxLineOctets;
  while (line.size() > room) {
    const std::size_t cut = CharacterStart(line, room);  // never inside a character
    out.append(line.substr(0, cut)).append("\r\n ");
    line.remove_prefix(cut);
    room = kMaxLineOctets - 1;  // the leading space counts
  }
  out.append(line).append("\r\n");
}

std::string EscapeText(std::string_view title) {
  std::string escaped;
  escaped.reserve(title.size() + 8);
  AppendEscapedText(escaped, title);
  return escaped;
}

namespace {

// U+0080..U+009F, the C1 control characters, two bytes in UTF-8.
bool IsC1Control(std::string_view text) {
  return text.size() >= 2 && text[0] == '\xC2' && static_cast<unsigned char>(text[1]) >= 0x80 &&
         static_cast<unsigned char>(text[1]) <= 0x9F;
}

}  // namespace

void AppendEscapedText(std::string& escaped, std::string_view title) {
  // Bytes that start something to escape or drop: the three TEXT specials
  // (RFC 5545 §3.3.11), the control characters but tab (CR and LF among
  // them), and the lead bytes of U+0080..U+009F, U+2028 and U+2029. The runs
  // between them are copied whole.
  static constexpr char kSpecialBytes[] =
      "\\;,\x7F\xC2\xE2\x01\x02\x03\x04\x05\x06\x07\x08\x0A\x0B\x0C\x0D\x0E\x0F"
      "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F";
  // Looked up by byte: every title of every file passes here.
  static constexpr std::array<bool, 256> kStarts = [] {
    std::array<bool, 256> starts{};
    for (const char c : kSpecialBytes) starts[static_cast<unsigned char>(c)] = true;  // the final NUL included
    return starts;
  }();
  std::size_t i = 0;
  while (i < title.size()) {
    std::size_t special = i;
    while (special < title.size() && !kStarts[static_cast<unsigned char>(title[special])]) ++special;
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
        // separators) break lines too. Other control characters are not
        // allowed in TEXT (RFC 5545 §3.3.11) and are dropped; everything else passes.
        if (rest.starts_with("\xC2\x85")) {
          escaped += "\\n";
          used = 2;
        } else if (IsC1Control(rest)) {
          used = 2;
        } else if (static_cast<unsigned char>(title[i]) < 0x20 || title[i] == '\x7F') {
          // dropped
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
