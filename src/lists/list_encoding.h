// The encodings a hand-kept list arrives in: UTF-8, with or without the
// byte-order mark a spreadsheet writes, or GB18030 (which covers GBK), as
// Excel and WPS save a CSV file on a Chinese system. Lists are read as UTF-8
// text and saved as UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "calendar/result.h"

namespace tessarine {

enum class TextEncoding { Utf8, Utf8WithByteOrderMark, Gb18030, Utf16 };

struct DecodedText {
  std::string text;  // UTF-8, without a byte-order mark
  TextEncoding encoding = TextEncoding::Utf8;
};

// Why bytes are not read as text. Lines are counted from 1.
struct TextProblem {
  enum class Kind {
    NotText,  // neither UTF-8 nor GB18030: `line` holds the first byte that is not UTF-8
    // One line in UTF-8 and another in something else, as when rows saved
    // by two programs were pasted together: no one encoding reads both, so
    // the file is refused rather than garbled. `line` is not UTF-8.
    MixedEncodings,
  } kind;
  int line;
  int utf8Line = 0;  // for MixedEncodings: a line with characters beyond ASCII that is UTF-8
};

// A list has one encoding: UTF-8, or GB18030 when no line is UTF-8 beyond
// ASCII.
Result<DecodedText, TextProblem> DecodeListBytes(std::string_view bytes);

// A pasted or saved text such as a holiday notice: UTF-16 with its
// byte-order mark (Notepad's "Unicode"), or as a list is read.
Result<DecodedText, TextProblem> DecodeTextBytes(std::string_view bytes);

// `bytes` in the iconv encoding `from` (GB18030, BIG5-HKSCS, UTF-16LE, …)
// as UTF-8; the system's reason when they are not in it (EILSEQ), end
// inside a character (EINVAL), or `from` is no encoding iconv knows.
Result<std::string, std::error_code> ToUtf8(std::string_view bytes, const char* from);

// The bytes to save `text` as: UTF-8, with the byte-order mark when the file
// had one. A GB18030 file is saved as UTF-8.
std::string EncodeListText(std::string_view text, TextEncoding readAs);

}  // namespace tessarine
