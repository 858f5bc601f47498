#include "lists/notice_encoding.h"

#include <algorithm>
#include <optional>

namespace tessarine {
namespace {

// Big5 with the Hong Kong characters, which holds every Big5 character a
// notice uses.
constexpr const char* kBig5 = "BIG5-HKSCS";
// A character cut short leaves at most its first three bytes (UTF-8, or
// GB18030's four-byte forms).
constexpr std::size_t kLongestCut = 3;

// Big5 bytes in UTF-8; nothing when they are not Big5.
std::optional<std::string> FromBig5(std::string_view bytes) {
  auto text = ToUtf8(bytes, kBig5);
  return text ? std::optional(std::move(*text)) : std::nullopt;
}

// How many of a notice's 年, 月 and 日 the text holds: what tells Big5 read
// as Big5 from Big5 read as GB18030, and the other way round.
std::size_t DateMarks(std::string_view text) {
  std::size_t count = 0;
  for (const std::string_view mark : {"年", "月", "日"}) {
    for (std::size_t at = text.find(mark); at != std::string_view::npos; at = text.find(mark, at + mark.size())) {
      ++count;
    }
  }
  return count;
}

NoticeEncoding EncodingOf(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithByteOrderMark: return NoticeEncoding::Utf8;
    case TextEncoding::Gb18030: return NoticeEncoding::Gb18030;
    case TextEncoding::Utf16: return NoticeEncoding::Utf16;
  }
  return NoticeEncoding::Utf8;
}

// The text in the one encoding that reads it, Big5 chosen over GB18030
// when it gives more dates.
std::optional<DecodedNotice> Decoded(std::string_view bytes) {
  auto decoded = DecodeTextBytes(bytes);
  DecodedText* text = decoded ? &*decoded : nullptr;
  if (text && text->encoding == TextEncoding::Gb18030) {
    if (auto big5 = FromBig5(bytes); big5 && DateMarks(*big5) > DateMarks(text->text)) {
      return DecodedNotice{std::move(*big5), NoticeEncoding::Big5};
    }
  }
  if (text) return DecodedNotice{std::move(text->text), EncodingOf(text->encoding)};
  // Big5 that GB18030 does not read, though every Big5 pair is a GB18030 one.
  if (auto big5 = FromBig5(bytes); big5 && DateMarks(*big5) > 0) {
    return DecodedNotice{std::move(*big5), NoticeEncoding::Big5};
  }
  return std::nullopt;
}

// Whether the last `cut` bytes may be the start of a character cut short:
// a byte that begins one in UTF-8, GB18030 and Big5 (0x81 to 0xFE); in
// UTF-16, an odd last byte, or with it the first half of a surrogate pair.
bool MayBeginACharacter(std::string_view bytes, std::size_t cut) {
  const std::string_view tail = bytes.substr(bytes.size() - cut);
  const bool littleEndian = bytes.starts_with("\xFF\xFE"), bigEndian = bytes.starts_with("\xFE\xFF");
  if (!littleEndian && !bigEndian) {
    const auto first = static_cast<unsigned char>(tail.front());
    return first >= 0x81 && first != 0xFF;
  }
  const bool odd = bytes.size() % 2 == 1;
  if (cut == 1) return odd;
  if (cut != (odd ? 3u : 2u) || cut + 2 > bytes.size()) return false;
  const auto high = static_cast<unsigned char>(tail[littleEndian ? 1 : 0]);
  return (high & 0xFC) == 0xD8;
}

// The text before a last character cut short, when the bytes read once its
// first bytes are dropped.
std::optional<NoticeTextProblem> CutInsideCharacter(std::string_view bytes) {
  for (std::size_t cut = 1; cut <= std::min(kLongestCut, bytes.size()); ++cut) {
    if (!MayBeginACharacter(bytes, cut)) continue;
    if (const auto before = Decoded(bytes.substr(0, bytes.size() - cut))) {
      const int line = static_cast<int>(std::count(before->text.begin(), before->text.end(), '\n')) + 1;
      return NoticeTextProblem{NoticeTextProblem::Kind::EndsInsideCharacter, line, 0, before->encoding};
    }
  }
  return std::nullopt;
}

}  // namespace

Result<DecodedNotice, NoticeTextProblem> DecodeNoticeBytes(std::string_view bytes) {
  if (auto decoded = Decoded(bytes)) return std::move(*decoded);
  if (const auto cut = CutInsideCharacter(bytes)) return Failure{*cut};
  const TextProblem failed = DecodeTextBytes(bytes).error();  // it failed in Decoded
  const auto kind = failed.kind == TextProblem::Kind::NotText ? NoticeTextProblem::Kind::NotText
                                                               : NoticeTextProblem::Kind::MixedEncodings;
  return Failure{NoticeTextProblem{kind, failed.line, failed.utf8Line}};
}

}  // namespace tessarine
