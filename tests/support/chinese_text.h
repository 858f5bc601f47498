// Finds Chinese writing in text meant for a Korean or Vietnamese reader: a
// Han character (with the radicals and the compatibility ideographs), CJK
// punctuation such as 【】 and 。, or a full-width form such as ：.
#pragma once

#include <optional>
#include <string_view>

namespace tessarine::testing {

// The first such code point in well-formed UTF-8 `text`, or nothing.
inline std::optional<char32_t> FirstChineseCharacter(std::string_view text) {
  struct Block {
    char32_t first, last;
  };
  static constexpr Block kChinese[] = {
      {0x2E80, 0x2FDF},   // radicals, Kangxi radicals
      {0x3000, 0x303F},   // CJK symbols and punctuation: 【 】 、 。
      {0x3400, 0x4DBF},   // extension A
      {0x4E00, 0x9FFF},   // unified ideographs
      {0xF900, 0xFAFF},   // compatibility ideographs
      {0xFE30, 0xFE4F},   // compatibility forms
      {0xFF00, 0xFFEF},   // full-width forms
      {0x20000, 0x3FFFF}, // extensions B and after
  };
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length && at + i < text.size(); ++i) {
      point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    for (const Block& block : kChinese) {
      if (point >= block.first && point <= block.last) return point;
    }
    at += length;
  }
  return std::nullopt;
}

}  // namespace tessarine::testing
