// The bytes of a holiday notice saved to a file or piped in, as text: in
// UTF-8, GB18030 (which covers GBK) or UTF-16 as lists/list_encoding.h reads
// them, or in Big5, as pages in Taiwan and Hong Kong publish the notice.
// Big5 bytes are GB18030 bytes too, read as other characters, so a text not
// in UTF-8 is read in whichever of the two gives more of a notice's 年, 月
// and 日; a tie stays GB18030. Bytes that stop inside their last character
// are told from bytes in no encoding: the text was cut short.
#pragma once

#include <string>
#include <string_view>

#include "calendar/result.h"

#include "lists/list_encoding.h"

namespace tessarine {

enum class NoticeEncoding { Utf8, Gb18030, Big5, Utf16 };

struct DecodedNotice {
  std::string text;  // UTF-8, without a byte-order mark
  NoticeEncoding encoding = NoticeEncoding::Utf8;
};

// Why a notice's bytes are not read as text. Lines are counted from 1.
struct NoticeTextProblem {
  enum class Kind {
    NotText,         // in none of the encodings: `line` holds the first byte that is not UTF-8
    MixedEncodings,  // `line` is not UTF-8, `utf8Line` is (lists/list_encoding.h)
    // Bytes that read but for their last character, which they stop inside:
    // `line` is the line it is on, `encoding` what the bytes before it are in.
    EndsInsideCharacter,
  } kind;
  int line;
  int utf8Line = 0;
  NoticeEncoding encoding = NoticeEncoding::Utf8;
};

Result<DecodedNotice, NoticeTextProblem> DecodeNoticeBytes(std::string_view bytes);

}  // namespace tessarine
