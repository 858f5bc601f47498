#include "lists/folded_text.h"

#include "compose/utf8_text.h"

namespace tessarine {
namespace {

char32_t Decoded(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[i])); };
  switch (bytes.size()) {
    case 1: return byte(0);
    case 2: return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3: return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    default: return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);  // nothing lowered lies past U+FFFF
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Unicode's lower case of the capitals Vietnamese uses: in Latin-1 a capital
// is 0x20 below its small letter; in Latin Extended-A and Latin Extended
// Additional a capital is the even code point before it.
char32_t Lowered(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  const bool even = c % 2 == 0;
  if (even && ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))) return c + 1;
  if (c == 0x1A0 || c == 0x1AF) return c + 1;  // Ơ, Ư
  if (even && c >= 0x1EA0 && c <= 0x1EF9) return c + 1;
  return c;
}

bool IsBlank(char32_t c) { return c == ' ' || c == '\t' || c == 0xA0 || c == 0x3000; }

}  // namespace

std::string FoldedWord(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0 || length == 4) {  // a byte that is not UTF-8, or a character no list word holds: as it is
      const std::size_t kept = length == 0 ? 1 : length;
      folded.append(text.substr(0, kept));
      text.remove_prefix(kept);
      continue;
    }
    const char32_t c = Decoded(text.substr(0, length));
    text.remove_prefix(length);
    if (!IsBlank(c)) AppendUtf8(folded, Lowered(c));
  }
  return folded;
}

}  // namespace tessarine
