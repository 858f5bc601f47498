// The encodings a hand-kept list arrives in: UTF-8, with or without the
// byte-order mark a spreadsheet writes, or GB18030 (which covers GBK), as
// Excel and WPS save a CSV file on a Chinese system. Lists are read as UTF-8
// text and saved as UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tessarine {

enum class TextEncoding { Utf8, Utf8WithByteOrderMark, Gb18030, Utf16 };

struct DecodedText {
  std::string text;  // UTF-8, without a byte-order mark
  TextEncoding encoding = TextEncoding::Utf8;
};

// Bytes that are neither UTF-8 nor GB18030.
struct NotText {
  int line;  // of the first byte that is not UTF-8, counted from 1
};

// A file with one line in UTF-8 and another in something else, as when
// rows saved by two programs were pasted together: no one encoding reads
// both, so the file is refused rather than garbled.
struct MixedEncodings {
  int utf8Line;   // a line with characters beyond ASCII that is UTF-8
  int otherLine;  // a line that is not UTF-8
};

// A list has one encoding: UTF-8, or GB18030 when no line is UTF-8 beyond
// ASCII.
std::variant<DecodedText, NotText, MixedEncodings> DecodeListBytes(std::string_view bytes);

// A pasted or saved text such as a holiday notice: UTF-16 with its
// byte-order mark (Notepad's "Unicode"), or as a list is read.
std::variant<DecodedText, NotText, MixedEncodings> DecodeTextBytes(std::string_view bytes);

// `bytes` in the iconv encoding `from` (GB18030, BIG5-HKSCS, UTF-16LE, …)
// as UTF-8; nothing when they are not in it, or end inside a character.
std::optional<std::string> ToUtf8(std::string_view bytes, const char* from);

// The bytes to save `text` as: UTF-8, with the byte-order mark when the file
// had one. A GB18030 file is saved as UTF-8.
std::string EncodeListText(std::string_view text, TextEncoding readAs);

}  // namespace tessarine
