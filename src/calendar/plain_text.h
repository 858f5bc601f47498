// Plain text as the lists, notices and templates hand it over: trimming,
// ASCII digits, full-width forms folded to ASCII, and one spelling replaced
// by another. Works on the bytes of UTF-8 and knows nothing of what the
// text says; each reader names the characters it trims or folds, because
// each has always read its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessarine {

// `text` without the bytes of `characters` at its start, at its end, or both.
std::string_view TrimStart(std::string_view text, std::string_view characters);
std::string_view TrimEnd(std::string_view text, std::string_view characters);
std::string_view Trim(std::string_view text, std::string_view characters);

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// At least one character, and 0 to 9 alone: no sign, no blank, no
// full-width digit.
bool AllAsciiDigits(std::string_view text);

// The number that AllAsciiDigits text writes, or nothing when it is not
// such text or the number does not fit an int.
std::optional<int> DigitsValue(std::string_view text);

// Every occurrence of `from`, left to right and not overlapping, replaced
// by `to` in one pass: what is put in is not searched again. An empty
// `from` changes nothing.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// The ASCII character that the full-width form at the start of `text`
// stands for, as a view of that one character: U+FF01..U+FF5E for ! to ~,
// and the ideographic space U+3000 for the blank. Empty when `text` starts
// with anything else.
std::string_view FullWidthAsciiAt(std::string_view text);

// The length in bytes of every full-width form above.
inline constexpr std::size_t kFullWidthLength = 3;

// `text` with the full-width form of each character of `ascii` written as
// that character; other full-width forms are kept.
std::string FoldFullWidth(std::string_view text, std::string_view ascii);

}  // namespace tessarine
