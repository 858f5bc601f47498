#include "lists/office_calendar_bytes.h"

#include <algorithm>
#include <optional>

#include "compose/utf8_text.h"
#include "lists/list_encoding.h"

namespace tessarine {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Microsoft's Big5, as the DGPA saves the file; then Big5 with the Hong
// Kong characters, for a file saved elsewhere.
constexpr const char* kBig5Encodings[] = {"CP950", "BIG5-HKSCS"};
// A character cut short leaves at most its first three bytes (UTF-8), or
// its first byte (Big5).
constexpr std::size_t kLongestUtf8Cut = 3;

std::optional<std::string> FromBig5(std::string_view bytes) {
  for (const char* encoding : kBig5Encodings) {
    if (auto text = ToUtf8(bytes, encoding)) return std::move(*text);
  }
  return std::nullopt;
}

int LineCount(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1; }

// The bytes a UTF-8 sequence beginning with `lead` has; 0 for a byte that
// begins none.
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The line a UTF-8 text stops in, when it stops inside its last character:
// a first byte and fewer continuation bytes than it calls for.
std::optional<int> Utf8CutLine(std::string_view bytes) {
  for (std::size_t cut = 1; cut <= std::min(kLongestUtf8Cut, bytes.size()); ++cut) {
    const std::string_view tail = bytes.substr(bytes.size() - cut);
    const bool continued = std::all_of(tail.begin() + 1, tail.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    });
    const std::string_view before = bytes.substr(0, bytes.size() - cut);
    if (continued && Utf8Length(static_cast<unsigned char>(tail.front())) > cut && IsValidUtf8(before)) {
      return LineCount(before);
    }
  }
  return std::nullopt;
}

// The line a Big5 text stops in, when its last byte begins a character.
std::optional<int> Big5CutLine(std::string_view bytes) {
  if (bytes.empty() || static_cast<unsigned char>(bytes.back()) < 0x81) return std::nullopt;
  if (const auto before = FromBig5(bytes.substr(0, bytes.size() - 1))) return LineCount(*before);
  return std::nullopt;
}

Failure<OfficeCalendarError> Cut(int line) { return Failure{OfficeCalendarError{OfficeCalendarProblem::CutShort, line, {}}}; }

}  // namespace

Result<DecodedOfficeCalendar, OfficeCalendarError> DecodeOfficeCalendarBytes(std::string_view bytes) {
  const bool byteOrderMark = bytes.starts_with(kByteOrderMark);
  if (byteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
  if (IsValidUtf8(bytes)) {
    return DecodedOfficeCalendar{std::string(bytes), byteOrderMark ? OfficeCalendarEncoding::Utf8WithByteOrderMark
                                                                   : OfficeCalendarEncoding::Utf8};
  }
  // Big5 with Chinese in it is never UTF-8 up to its last character, so a
  // UTF-8 text cut short is told apart first.
  if (const auto line = Utf8CutLine(bytes)) return Cut(*line);
  if (!byteOrderMark) {
    if (auto text = FromBig5(bytes)) return DecodedOfficeCalendar{std::move(*text), OfficeCalendarEncoding::Big5};
    if (const auto line = Big5CutLine(bytes)) return Cut(*line);
  }
  return Failure{OfficeCalendarError{OfficeCalendarProblem::NotText, 0, {}}};
}

Result<OfficeCalendar, OfficeCalendarError> ReadOfficeCalendarBytes(std::string_view bytes) {
  const auto decoded = DecodeOfficeCalendarBytes(bytes);
  if (!decoded) return Failure{decoded.error()};
  return ReadOfficeCalendar(decoded->text);
}

}  // namespace tessarine
