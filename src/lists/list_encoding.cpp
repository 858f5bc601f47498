#include "lists/list_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>
#include <optional>

#include "compose/utf8_text.h"

namespace tessarine {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line of byte `at`: CR, LF and CR LF each end a line.
int LineOf(std::string_view bytes, std::size_t at) {
  int line = 1;
  for (std::size_t i = 0; i < at && i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
  }
  return line;
}

std::size_t FirstInvalidUtf8(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t length = Utf8SequenceLength(bytes.substr(at));
    if (length == 0) return at;
    at += length;
  }
  return at;
}

// GB18030 to UTF-8 with glibc's iconv; nothing when the bytes are not
// GB18030.
std::optional<std::string> FromGb18030(std::string_view bytes) {
  iconv_t converter = ::iconv_open("UTF-8", "GB18030");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  const std::unique_ptr<void, int (*)(iconv_t)> owner(converter, ::iconv_close);
  std::string out(bytes.size() * 2 + 16, '\0');  // a GB18030 character never grows past twice
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* to = out.data();
  std::size_t outLeft = out.size();
  if (::iconv(converter, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) {
    if (errno == ENOMEM) throw std::bad_alloc();
    return std::nullopt;  // EILSEQ or EINVAL: not GB18030, or cut short
  }
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::variant<DecodedText, NotText> DecodeListBytes(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) {
    bytes.remove_prefix(kByteOrderMark.size());
    const std::size_t bad = FirstInvalidUtf8(bytes);
    if (bad != bytes.size()) return NotText{LineOf(bytes, bad)};
    return DecodedText{std::string(bytes), TextEncoding::Utf8WithByteOrderMark};
  }
  const std::size_t bad = FirstInvalidUtf8(bytes);
  if (bad == bytes.size()) return DecodedText{std::string(bytes), TextEncoding::Utf8};
  if (auto text = FromGb18030(bytes)) return DecodedText{std::move(*text), TextEncoding::Gb18030};
  return NotText{LineOf(bytes, bad)};
}

std::string EncodeListText(std::string_view text, TextEncoding readAs) {
  std::string bytes;
  if (readAs == TextEncoding::Utf8WithByteOrderMark) bytes = kByteOrderMark;
  return bytes.append(text);
}

}  // namespace tessarine
