#include "calendar/plain_text.h"

#include <algorithm>
#include <charconv>

namespace tessarine {
namespace {

// The printable ASCII characters, blank to ~, for FullWidthAsciiAt to view.
constexpr std::string_view kPrintableAscii =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
static_assert(kPrintableAscii.size() == 0x7F - 0x20);

}  // namespace

std::string_view TrimStart(std::string_view text, std::string_view characters) {
  return text.substr(std::min(text.size(), text.find_first_not_of(characters)));
}

std::string_view TrimEnd(std::string_view text, std::string_view characters) {
  const std::size_t last = text.find_last_not_of(characters);
  return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

std::string_view Trim(std::string_view text, std::string_view characters) {
  return TrimEnd(TrimStart(text, characters), characters);
}

bool AllAsciiDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

std::optional<int> DigitsValue(std::string_view text) {
  int value = 0;
  if (!AllAsciiDigits(text)) return std::nullopt;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{}) return std::nullopt;
  return value;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::size_t at = from.empty() ? std::string::npos : text.find(from);
  if (at == std::string::npos) return;
  std::string replaced;
  replaced.reserve(text.size() + to.size() * 2);
  std::size_t rest = 0;
  for (; at != std::string::npos; at = text.find(from, rest)) {
    replaced.append(text, rest, at - rest).append(to);
    rest = at + from.size();
  }
  replaced.append(text, rest);
  text = std::move(replaced);
}

std::string_view FullWidthAsciiAt(std::string_view text) {
  if (text.size() < kFullWidthLength) return {};
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) return kPrintableAscii.substr(0, 1);
  if (byte(0) != 0xEF) return {};
  // U+FF01..U+FF3F are EF BC 81..BF, U+FF40..U+FF5E are EF BD 80..9E: in
  // code point order, '!' onwards.
  std::size_t offset = 0;
  if (byte(1) == 0xBC && byte(2) >= 0x81 && byte(2) <= 0xBF) {
    offset = byte(2) - 0x81 + 1;
  } else if (byte(1) == 0xBD && byte(2) >= 0x80 && byte(2) <= 0x9E) {
    offset = byte(2) - 0x80 + 0x40;
  } else {
    return {};
  }
  return kPrintableAscii.substr(offset, 1);
}

std::string FoldFullWidth(std::string_view text, std::string_view ascii) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view character = FullWidthAsciiAt(text.substr(at));
    if (!character.empty() && ascii.find(character.front()) != std::string_view::npos) {
      folded += character;
      at += kFullWidthLength;
    } else {
      folded += text[at++];
    }
  }
  return folded;
}

}  // namespace tessarine
