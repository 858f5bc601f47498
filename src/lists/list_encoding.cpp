#include "lists/list_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

#include "compose/utf8_text.h"

namespace tessarine {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What one pass over the lines found: the first line that is not UTF-8,
// and the first that is UTF-8 with characters beyond ASCII. CR, LF and
// CR LF each end a line.
struct LineScan {
  int firstInvalid = 0;  // 0: every line is UTF-8
  int firstUtf8 = 0;     // 0: none
};

LineScan ScanLines(std::string_view bytes) {
  LineScan scan;
  int line = 1;
  bool invalid = false, beyondAscii = false;
  const auto endLine = [&] {
    if (invalid && scan.firstInvalid == 0) scan.firstInvalid = line;
    if (!invalid && beyondAscii && scan.firstUtf8 == 0) scan.firstUtf8 = line;
    invalid = beyondAscii = false;
    ++line;
  };
  for (std::size_t at = 0; at < bytes.size();) {
    const char c = bytes[at];
    if (c == '\n' || c == '\r') {
      at += c == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n' ? 2 : 1;
      endLine();
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes.substr(at, 4));
    invalid = invalid || length == 0;
    beyondAscii = beyondAscii || length > 1;
    at += length == 0 ? 1 : length;
  }
  endLine();
  return scan;
}


}  // namespace

Result<std::string, std::error_code> ToUtf8(std::string_view bytes, const char* from) {
  iconv_t converter = ::iconv_open("UTF-8", from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return Failure{std::error_code(errno, std::system_category())};
  const std::unique_ptr<void, int (*)(iconv_t)> owner(converter, ::iconv_close);
  std::string out(bytes.size() * 2 + 16, '\0');  // no character of these grows past twice
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* to = out.data();
  std::size_t outLeft = out.size();
  if (::iconv(converter, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) {
    if (errno == ENOMEM) throw std::bad_alloc();
    // EILSEQ or EINVAL: not in that encoding, or cut short.
    return Failure{std::error_code(errno, std::system_category())};
  }
  out.resize(out.size() - outLeft);
  return out;
}

Result<DecodedText, TextProblem> DecodeListBytes(std::string_view bytes) {
  const bool byteOrderMark = bytes.starts_with(kByteOrderMark);
  if (byteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
  const LineScan scan = ScanLines(bytes);
  if (scan.firstInvalid == 0) {
    return DecodedText{std::string(bytes), byteOrderMark ? TextEncoding::Utf8WithByteOrderMark : TextEncoding::Utf8};
  }
  if (scan.firstUtf8 != 0) {
    return Failure{TextProblem{TextProblem::Kind::MixedEncodings, scan.firstInvalid, scan.firstUtf8}};
  }
  const TextProblem notText{TextProblem::Kind::NotText, scan.firstInvalid};
  if (byteOrderMark) return Failure{notText};
  if (auto text = ToUtf8(bytes, "GB18030")) return DecodedText{std::move(*text), TextEncoding::Gb18030};
  return Failure{notText};
}

Result<DecodedText, TextProblem> DecodeTextBytes(std::string_view bytes) {
  const bool littleEndian = bytes.starts_with("\xFF\xFE"), bigEndian = bytes.starts_with("\xFE\xFF");
  if (!littleEndian && !bigEndian) return DecodeListBytes(bytes);
  auto text = ToUtf8(bytes.substr(2), littleEndian ? "UTF-16LE" : "UTF-16BE");
  if (!text) return Failure{TextProblem{TextProblem::Kind::NotText, 1}};
  return DecodedText{std::move(*text), TextEncoding::Utf16};
}

std::string EncodeListText(std::string_view text, TextEncoding readAs) {
  std::string bytes;
  if (readAs == TextEncoding::Utf8WithByteOrderMark) bytes = kByteOrderMark;
  return bytes.append(text);
}

}  // namespace tessarine
