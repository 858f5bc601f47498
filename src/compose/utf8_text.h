// UTF-8 checks for text that comes from outside: a template typed on a
// command line or read from bytes can hold any bytes; and where a character
// starts, so that text cut short is never cut inside one.
#pragma once

#include <string>
#include <string_view>

namespace tessarine {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when it does not start with one (overlong forms, surrogates and code points
// above U+10FFFF are not well-formed).
std::size_t Utf8SequenceLength(std::string_view text);

bool IsValidUtf8(std::string_view text);

// `text` with every byte that does not belong to a well-formed sequence
// replaced by U+FFFD, so that nothing built from it is malformed.
std::string ToValidUtf8(std::string_view text);

// Where the character that byte `at` of `text` belongs to starts: `at`
// stepped back over its continuation bytes, three at the most. Bytes that
// are not UTF-8 may be cut anywhere: with more continuation bytes before
// it than a character has, `at` itself. `at` must be inside `text`.
std::size_t CharacterStart(std::string_view text, std::size_t at);

}  // namespace tessarine
