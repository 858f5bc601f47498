#include "holidays/hong_kong/feed_lines.h"

#include <algorithm>
#include <cctype>

namespace tessarine::hong_kong {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the well-formed UTF-8 sequence at the start of `s`, or 0:
// no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t SequenceLength(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

bool IsUtf8(std::string_view s) {
  while (!s.empty()) {
    const std::size_t n = SequenceLength(s);
    if (n == 0) return false;
    s.remove_prefix(n);
  }
  return true;
}

namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

// NAME *(";" param) ":" value, with quoted parameter values that may hold
// ';' and ':'. False for anything else.
bool Split(ContentLine& out) {
  const std::string_view text = out.text;
  std::size_t i = 0;
  while (i < text.size() && IsNameChar(text[i])) ++i;
  if (i == 0 || i == text.size()) return false;
  out.name = Upper(text.substr(0, i));
  while (text[i] == ';') {
    const std::size_t start = ++i;
    while (i < text.size() && IsNameChar(text[i])) ++i;
    if (i == start || i == text.size() || text[i] != '=') return false;
    std::string name = Upper(text.substr(start, i - start));
    std::string value;
    ++i;
    if (i < text.size() && text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) return false;
      value = text.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      const std::size_t end = text.find_first_of(";:", i);
      if (end == std::string_view::npos) return false;
      value = text.substr(i, end - i);
      i = end;
    }
    out.params.emplace_back(std::move(name), std::move(value));
    if (i == text.size()) return false;
  }
  if (text[i] != ':') return false;
  out.value = text.substr(i + 1);
  return true;
}

}  // namespace

std::string_view ContentLine::Param(std::string_view wanted) const {
  for (const auto& [name, value] : params) {
    if (name == wanted) return value;
  }
  return {};
}

Result<std::vector<ContentLine>, FeedError> ContentLines(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::vector<ContentLine> lines;
  int number = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view physical = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    ++number;
    if (physical.ends_with('\r')) physical.remove_suffix(1);
    if (physical.empty()) continue;
    if (physical.front() == ' ' || physical.front() == '\t') {
      if (lines.empty()) {
        if (!IsUtf8(physical)) return Failure{FeedError{FeedProblem::NotUtf8, number, {}}};
        return Failure{FeedError{FeedProblem::BadLine, number, std::string(physical)}};
      }
      lines.back().text.append(physical.substr(1));
      continue;
    }
    lines.push_back(ContentLine{number, std::string(physical), {}, {}, {}});
  }
  for (ContentLine& line : lines) {
    // After unfolding: a folder may have cut a character in two.
    if (!IsUtf8(line.text)) return Failure{FeedError{FeedProblem::NotUtf8, line.line, {}}};
    if (!Split(line)) return Failure{FeedError{FeedProblem::BadLine, line.line, line.text}};
  }
  return lines;
}

std::string TextValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      out += next == 'n' || next == 'N' ? '\n' : next;
    } else {
      out += value[i];
    }
  }
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  const auto first = std::find_if_not(out.begin(), out.end(), blank);
  const auto last = std::find_if_not(out.rbegin(), out.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace tessarine::hong_kong
