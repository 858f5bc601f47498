#include "lists/date_spelling.h"

#include <array>
#include <utility>

#include <fmt/format.h>

#include "calendar/plain_text.h"

namespace tessarine {
namespace {

using Spelling = std::pair<std::string_view, std::string_view>;

// The full-width forms a date is read in: digits and the two separators.
constexpr std::string_view kFoldedToAscii = "0123456789-/";

// Replaced wherever they stand, in this order, once the full-width forms
// are ASCII.
constexpr std::array<Spelling, 7> kSpellings = {{
    {"润", "闰"}, {"閏", "闰"}, {"臘", "腊"}, {"元月", "正月"}, {"一月", "正月"}, {"十正月", "十一月"}, {"農曆", "农历"},
}};

bool IsDigits(std::string_view text, std::size_t least, std::size_t most) {
  return text.size() >= least && text.size() <= most && AllAsciiDigits(text);
}

// 1960/4/3 or 1960-4-3 as 1960-04-03; anything else unchanged.
std::string GregorianSpelling(const std::string& text) {
  const std::size_t first = text.find_first_of("-/");
  const std::size_t second = first == std::string::npos ? first : text.find_first_of("-/", first + 1);
  if (second == std::string::npos || text[first] != text[second]) return text;
  const std::string_view all(text);
  const std::string_view y = all.substr(0, first), m = all.substr(first + 1, second - first - 1),
                         d = all.substr(second + 1);
  if (!IsDigits(y, 4, 4) || !IsDigits(m, 1, 2) || !IsDigits(d, 1, 2)) return text;
  return fmt::format("{}-{:0>2}-{:0>2}", y, m, d);
}

}  // namespace

std::string NormalDateSpelling(std::string_view original) {
  std::string text = FoldFullWidth(original, kFoldedToAscii);
  for (const auto& [from, to] : kSpellings) ReplaceAll(text, from, to);
  if (std::string_view(text).starts_with("农历")) text.erase(0, std::string_view("农历").size());
  if (std::string_view(text).ends_with("日")) text.resize(text.size() - std::string_view("日").size());
  // 3月8 and 闰4月15: digits on both sides of 月.
  const std::size_t month = text.find("月");
  if (month != std::string::npos) {
    const std::size_t start = std::string_view(text).starts_with("闰") ? std::string_view("闰").size() : 0;
    const std::string_view before = std::string_view(text).substr(start, month - start);
    const std::string_view after = std::string_view(text).substr(month + std::string_view("月").size());
    if (IsDigits(before, 1, 2) && IsDigits(after, 1, 2)) {
      text = fmt::format("{}{}-{}", text.substr(0, start), before, after);
    }
  }
  return GregorianSpelling(text);
}

}  // namespace tessarine
