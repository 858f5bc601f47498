#include "holidays/china/notice_text.h"

#include <algorithm>
#include <array>
#include <utility>

#include "calendar/plain_text.h"

namespace tessarine::notice {
namespace {

using Spelling = std::pair<std::string_view, std::string_view>;

// The full-width forms a notice is read in: digits, the punctuation of its
// dates and notes, and the ideographic space.
constexpr std::string_view kFoldedToAscii = "0123456789:,;(). ";

// The traditional characters a notice's words use, as a page in Taiwan or
// Hong Kong (or a Big5 one) writes them.
constexpr std::array<Spelling, 31> kSpellings = {{
    {"國", "国"}, {"務", "务"}, {"辦", "办"}, {"廳", "厅"}, {"關", "关"}, {"於", "于"}, {"節", "节"}, {"勞", "劳"},
    {"動", "动"}, {"慶", "庆"}, {"調", "调"}, {"補", "补"}, {"與", "与"}, {"連", "连"}, {"週", "周"}, {"農", "农"},
    {"曆", "历"}, {"臘", "腊"}, {"際", "际"}, {"現", "现"}, {"將", "将"}, {"紀", "纪"}, {"戰", "战"}, {"勝", "胜"},
    {"號", "号"}, {"間", "间"}, {"勵", "励"}, {"單", "单"}, {"體", "体"}, {"長", "长"}, {"禮", "礼"},
}};

// Each spelling replaces one three-byte character; sorted, a character's is
// found in a few comparisons, where a pasted megabyte has a million.
constexpr std::size_t kSpelledLength = 3;
static_assert(std::all_of(kSpellings.begin(), kSpellings.end(),
                          [](const Spelling& s) { return s.first.size() == kSpelledLength; }));
constexpr auto kSortedSpellings = [] {
  auto sorted = kSpellings;
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}();

// The dashes a range may be written with: "2月6日—12日".
constexpr std::array<std::string_view, 8> kDashes = {"—", "－", "-", "～", "~", "〜", "–", "―"};

// Paragraphs that follow the list of items.
constexpr std::array<std::string_view, 5> kAfterItems = {"节假日期间", "国务院", "鼓励单位", "调休放假期间",
                                                         "劳动节期间"};
constexpr std::array<std::string_view, 10> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
// The longest item name: “五一”国际劳动节 and 中秋节、国庆节 fit easily.
constexpr std::size_t kLongestName = 60;

// What a line is trimmed of: ASCII blanks, tabs and line ends.
constexpr std::string_view kLineSpace = " \t\r\n";

std::string_view Trimmed(std::string_view line) { return Trim(line, kLineSpace); }

// Where an item's name ends (':' or the first digit), if `at` starts one:
// "、" after a numeral, or "——".
std::optional<std::size_t> NameEnd(std::string_view text, std::size_t at) {
  const std::size_t end = std::min(text.size(), at + kLongestName);
  for (std::size_t i = at; i < end; ++i) {
    if (text[i] == ':' || IsAsciiDigit(text[i])) return i > at ? std::optional(i) : std::nullopt;
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
  line = Trimmed(line);
  for (const std::string_view opening : kAfterItems) {
    if (line.starts_with(opening)) return true;
  }
  return false;
}

// The weekday a bracketed note names ("周六", "星期日", "农历除夕、星期日"),
// 0 for Sunday to 6.
std::optional<unsigned> NoteWeekday(std::string_view note) {
  static constexpr std::array<std::string_view, 3> kWeekWords = {"周", "星期", "礼拜"};
  static constexpr std::array<std::string_view, 8> kDays = {"日", "一", "二", "三", "四", "五", "六", "天"};
  for (const std::string_view word : kWeekWords) {
    for (std::size_t at = note.find(word); at != std::string_view::npos; at = note.find(word, at + 1)) {
      const std::string_view rest = note.substr(at + word.size());
      for (unsigned d = 0; d < kDays.size(); ++d) {
        if (rest.starts_with(kDays[d])) return d % 7;
      }
    }
  }
  return std::nullopt;
}

// The piece of normalised text that `pasted` begins with, and how many of
// its bytes that takes: a full-width form folded, a spelling replaced, or
// one character as it is.
std::pair<std::string_view, std::size_t> NextPiece(std::string_view pasted) {
  if (const std::string_view ascii = FullWidthAsciiAt(pasted);
      !ascii.empty() && kFoldedToAscii.find(ascii.front()) != std::string_view::npos) {
    return {ascii, kFullWidthLength};
  }
  if (static_cast<unsigned char>(pasted.front()) >= 0x80 && pasted.size() >= kSpelledLength) {
    const std::string_view character = pasted.substr(0, kSpelledLength);
    const auto found = std::lower_bound(kSortedSpellings.begin(), kSortedSpellings.end(), character,
                                        [](const Spelling& s, std::string_view c) { return s.first < c; });
    if (found != kSortedSpellings.end() && found->first == character) return {found->second, kSpelledLength};
  }
  std::size_t length = 1;
  while (length < pasted.size() && length < 4 && (static_cast<unsigned char>(pasted[length]) & 0xC0) == 0x80) ++length;
  return {pasted.substr(0, length), length};
}

// A numbered line that cannot be an item's head: a name with no colon and
// no date, nothing after it ("六、国庆节、" where a copied text ends).
bool LooksCutOff(std::string_view line) {
  line = Trimmed(line);
  return line.find(':') == std::string_view::npos && line.find(',') == std::string_view::npos &&
         line.find("。") == std::string_view::npos &&
         std::none_of(line.begin(), line.end(), IsAsciiDigit);
}

bool EndsWithDay(std::string_view text) { return text.ends_with("日") || text.ends_with("号"); }

}  // namespace

std::optional<int> NumberAt(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && IsAsciiDigit(text[at]) && at - start < 4) ++at;
  if (at == start || (at < text.size() && IsAsciiDigit(text[at]))) return std::nullopt;
  return DigitsValue(text.substr(start, at - start));
}

Result<std::string, NoticeError> Normalised(std::string_view pasted) {
  std::string out;
  out.reserve(pasted.size());
  std::string note;  // the bracket's text while inside one
  int depth = 0;
  std::size_t lineStart = 0;
  for (std::size_t at = 0; at < pasted.size();) {
    auto [piece, length] = NextPiece(pasted.substr(at));
    at += length;
    if (depth == 0 && EndsWithDay(out) && std::find(kDashes.begin(), kDashes.end(), piece) != kDashes.end()) {
      piece = "至";
    }
    if (piece == "\n") {
      // Notes never run over a line: a bracket still open here would
      // swallow every later item.
      if (depth > 0) break;
      lineStart = at;
    }
    if (piece == "(") {
      if (depth++ == 0) note.clear();
    } else if (piece == ")" && depth > 0) {
      const auto weekday = --depth == 0 && EndsWithDay(out) ? NoteWeekday(note) : std::nullopt;
      if (weekday) out += kWeekdayMarks[*weekday];
    } else if (depth > 0) {
      note += piece;
    } else {
      out += piece;
    }
  }
  if (depth > 0) {
    const std::size_t end = pasted.find('\n', lineStart);
    const std::string_view line = pasted.substr(lineStart, end == std::string_view::npos ? end : end - lineStart);
    return Failure{NoticeError{NoticeProblem::UnclosedBracket, std::string(Trimmed(line))}};
  }
  return out;
}

std::vector<int> NoticeYears(std::string_view text) {
  std::vector<int> years;
  for (const std::string_view marker : {std::string_view("年部分节假日安排"), std::string_view("年元旦")}) {
    for (std::size_t at = text.find(marker); at != std::string_view::npos; at = text.find(marker, at + 1)) {
      if (at < 4) continue;
      std::size_t from = at - 4;
      if (from > 0 && IsAsciiDigit(text[from - 1])) continue;
      const auto year = NumberAt(text, from);
      if (year && from == at && std::find(years.begin(), years.end(), *year) == years.end()) years.push_back(*year);
    }
  }
  return years;
}

std::optional<std::vector<std::string>> OpeningNames(std::string_view text) {
  static constexpr std::array<std::string_view, 5> kAfterNames = {"放假", "假期", "调休", "具体安排", "通知如下"};
  for (std::size_t at = text.find("现将"); at != std::string_view::npos; at = text.find("现将", at + 1)) {
    std::size_t from = at + std::string_view("现将").size();
    if (!NumberAt(text, from) || !text.substr(from).starts_with("年")) continue;
    from += std::string_view("年").size();
    std::size_t end = std::min(text.size(), from + 400);
    for (const std::string_view after : kAfterNames) end = std::min(end, text.find(after, from));
    std::vector<std::string> found(1);
    const std::string_view names = text.substr(from, end - from);
    for (std::size_t i = 0; i < names.size();) {
      std::size_t joiner = names[i] == ',' ? 1 : 0;
      for (const std::string_view word : {"、", "和", "及", "与"}) {
        if (names.substr(i).starts_with(word)) joiner = word.size();
      }
      if (joiner == 0) {
        found.back() += names[i++];
        continue;
      }
      i += joiner;
      if (!Trimmed(found.back()).empty()) found.emplace_back();
    }
    for (std::string& name : found) name = std::string(Trimmed(name));
    std::erase_if(found, [](const std::string& name) { return name.empty(); });
    return found;
  }
  return std::nullopt;
}

Result<std::vector<Item>, NoticeError> Items(std::string_view text) {
  std::vector<Item> items;
  std::string unreadLine;
  std::size_t lineStart = 0, lineEnd = std::min(text.size(), text.find('\n'));
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (at == lineStart) lineEnd = std::min(text.size(), text.find('\n', lineStart));  // once a line
    if (at == lineStart && EndsTheList(text.substr(at, lineEnd - at)) && !items.empty()) break;
    const auto nameStart = HeaderNameStart(text, at);
    const auto nameEnd = nameStart ? NameEnd(text, *nameStart) : std::nullopt;
    if (!nameEnd && nameStart && at == lineStart && unreadLine.empty() && LooksCutOff(text.substr(at, lineEnd - at))) {
      unreadLine = Trimmed(text.substr(at, lineEnd - at));
    }
    if (text[at] == '\n') lineStart = at + 1;
    if (!nameEnd) {
      if (!items.empty()) items.back().text += text[at];
      continue;
    }
    items.push_back({std::string(Trimmed(text.substr(*nameStart, *nameEnd - *nameStart))), {}});
    at = *nameEnd - (text[*nameEnd] == ':' ? 0 : 1);
  }
  if (items.empty()) return Failure{NoticeError{NoticeProblem::NoItems, {}}};
  if (!unreadLine.empty()) return Failure{NoticeError{NoticeProblem::UnreadItem, std::move(unreadLine)}};
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
      if (!Trimmed(parts.back()).empty()) parts.emplace_back();
      parts.back().clear();
    } else {
      parts.back() += text[at];
    }
  }
  if (Trimmed(parts.back()).empty()) parts.pop_back();
  return parts;
}

}  // namespace tessarine::notice
