// The encodings a hand-kept list arrives in: UTF-8, with or without the
// byte-order mark a spreadsheet writes, or GB18030 (which covers GBK), as
// Excel and WPS save a CSV file on a Chinese system. Lists are read as UTF-8
// text and saved as UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tessarine {

enum class TextEncoding { Utf8, Utf8WithByteOrderMark, Gb18030 };

struct DecodedText {
  std::string text;  // UTF-8, without a byte-order mark
  TextEncoding encoding = TextEncoding::Utf8;
};

// Bytes that are neither UTF-8 nor GB18030.
struct NotText {
  int line;  // of the first byte that is not UTF-8, counted from 1
};

std::variant<DecodedText, NotText> DecodeListBytes(std::string_view bytes);

// The bytes to save `text` as: UTF-8, with the byte-order mark when the file
// had one. A GB18030 file is saved as UTF-8.
std::string EncodeListText(std::string_view text, TextEncoding readAs);

}  // namespace tessarine
