#include "lists/notice_text.h"

#include <array>
#include <cctype>
#include <utility>

namespace tessarine::notice {
namespace {

using Spelling = std::pair<std::string_view, std::string_view>;

// Full-width forms and the traditional characters a notice's words use.
constexpr std::array<Spelling, 45> kSpellings = {{
    {"０", "0"}, {"１", "1"}, {"２", "2"}, {"３", "3"}, {"４", "4"}, {"５", "5"}, {"６", "6"}, {"７", "7"},
    {"８", "8"}, {"９", "9"}, {"：", ":"}, {"，", ","}, {"；", ";"}, {"（", "("}, {"）", ")"}, {"　", " "},
    {"國", "国"}, {"務", "务"}, {"辦", "办"}, {"廳", "厅"}, {"關", "关"}, {"於", "于"}, {"節", "节"}, {"勞", "劳"},
    {"動", "动"}, {"慶", "庆"}, {"調", "调"}, {"補", "补"}, {"與", "与"}, {"連", "连"}, {"週", "周"}, {"農", "农"},
    {"曆", "历"}, {"臘", "腊"}, {"際", "际"}, {"現", "现"}, {"將", "将"}, {"紀", "纪"}, {"戰", "战"}, {"勝", "胜"},
    {"日—", "日至"}, {"日－", "日至"}, {"日-", "日至"}, {"日～", "日至"}, {"日~", "日至"},
}};

// Paragraphs that follow the list of items.
constexpr std::array<std::string_view, 5> kAfterItems = {"节假日期间", "国务院", "鼓励单位", "调休放假期间",
                                                         "劳动节期间"};
constexpr std::array<std::string_view, 10> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
// The longest item name: “五一”国际劳动节 and 中秋节、国庆节 fit easily.
constexpr std::size_t kLongestName = 60;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Reads up to four digits at `at`, moving past them.
std::optional<int> NumberAt(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at]) && at - start < 4) ++at;
  if (at == start || (at < text.size() && IsDigit(text[at]))) return std::nullopt;
  return std::stoi(std::string(text.substr(start, at - start)));
}

// Where an item's name ends (':' or the first digit), if `at` starts one:
// "、" after a numeral, or "——".
std::optional<std::size_t> NameEnd(std::string_view text, std::size_t at) {
  const std::size_t end = std::min(text.size(), at + kLongestName);
  for (std::size_t i = at; i < end; ++i) {
    if (text[i] == ':' || IsDigit(text[i])) return i > at ? std::optional(i) : std::nullopt;
    if (text[i] == '\n' || text[i] == ',') return std::nullopt;
  }
  return std::nullopt;
}

// The start of the item header at `at` and where its name begins, if any.
std::optional<std::size_t> HeaderNameStart(std::string_view text, std::size_t at) {
  if (text.substr(at).starts_with("——")) return at + std::string_view("——").size();
  std::size_t i = at;
  while (true) {
    bool numeral = false;
    for (const std::string_view n : kNumerals) {
      if (text.substr(i).starts_with(n)) {
        i += n.size();
        numeral = true;
        break;
      }
    }
    if (!numeral) break;
  }
  if (i == at || !text.substr(i).starts_with("、")) return std::nullopt;
  return i + std::string_view("、").size();
}

bool EndsTheList(std::string_view line) {
  line = Trim(line);
  for (const std::string_view opening : kAfterItems) {
    if (line.starts_with(opening)) return true;
  }
  return false;
}

}  // namespace

std::string Normalised(std::string_view pasted) {
  std::string text(pasted);
  for (const auto& [from, to] : kSpellings) ReplaceAll(text, from, to);
  std::string plain;
  int depth = 0;
  for (const char c : text) {
    if (c == '(') ++depth;
    if (depth == 0) plain += c;
    if (c == ')' && depth > 0) --depth;
  }
  return plain;
}

std::optional<int> NoticeYear(std::string_view text) {
  for (const std::string_view marker : {std::string_view("年部分节假日安排"), std::string_view("年元旦")}) {
    for (std::size_t at = text.find(marker); at != std::string_view::npos; at = text.find(marker, at + 1)) {
      if (at < 4) continue;
      std::size_t from = at - 4;
      if (from > 0 && IsDigit(text[from - 1])) continue;
      if (const auto year = NumberAt(text, from); year && from == at) return year;
    }
  }
  return std::nullopt;
}

std::vector<Item> Items(std::string_view text) {
  std::vector<Item> items;
  std::size_t lineStart = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (at == lineStart && EndsTheList(text.substr(at, text.find('\n', at) - at)) && !items.empty()) break;
    if (text[at] == '\n') lineStart = at + 1;
    const auto nameStart = HeaderNameStart(text, at);
    const auto nameEnd = nameStart ? NameEnd(text, *nameStart) : std::nullopt;
    if (!nameEnd) {
      if (!items.empty()) items.back().text += text[at];
      continue;
    }
    items.push_back({std::string(Trim(text.substr(*nameStart, *nameEnd - *nameStart))), {}});
    at = *nameEnd - (text[*nameEnd] == ':' ? 0 : 1);
  }
  return items;
}

std::vector<std::string> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string> parts(1);
  for (std::size_t at = 0; at < text.size(); ++at) {
    bool cut = separators.find(text[at]) != std::string_view::npos;
    if (text.substr(at).starts_with("。")) {
      cut = true;
      at += std::string_view("。").size() - 1;
    }
    if (cut) {
      if (!Trim(parts.back()).empty()) parts.emplace_back();
      parts.back().clear();
    } else {
      parts.back() += text[at];
    }
  }
  if (Trim(parts.back()).empty()) parts.pop_back();
  return parts;
}

ClauseDates DatesIn(std::string_view clause) {
  ClauseDates found;
  for (std::size_t at = 0; at < clause.size();) {
    if (!IsDigit(clause[at])) {
      if (clause.substr(at).starts_with("至") && !found.dates.empty()) found.range = found.dates.size() == 1;
      ++at;
      continue;
    }
    WrittenDate date;
    std::optional<int> number = NumberAt(clause, at);
    if (number && clause.substr(at).starts_with("年")) {
      date.year = number;
      at += std::string_view("年").size();
      number = NumberAt(clause, at);
    }
    if (number && clause.substr(at).starts_with("月")) {
      date.month = number;
      at += std::string_view("月").size();
      number = NumberAt(clause, at);
    }
    if (number && clause.substr(at).starts_with("日")) {
      date.day = *number;
      at += std::string_view("日").size();
      found.dates.push_back(date);
    }
  }
  return found;
}

std::optional<int> DayCount(std::string_view clause) {
  for (const std::string_view before : {std::string_view("共"), std::string_view("放假")}) {
    for (std::size_t at = clause.find(before); at != std::string_view::npos; at = clause.find(before, at + 1)) {
      std::size_t from = at + before.size();
      const auto count = NumberAt(clause, from);
      if (count && clause.substr(from).starts_with("天")) return count;
    }
  }
  return std::nullopt;
}

}  // namespace tessarine::notice
