// The text of a holiday notice made regular for reading: full-width forms
// and traditional characters brought to one spelling, parenthesised notes
// removed (周X notes kept as a mark to check), and the numbered items
// found; the dates of a clause are read by holidays/china/notice_dates.h. Every step
// is one pass over the text, so a pasted megabyte reads as fast as a page.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "holidays/china/notice_error.h"

namespace tessarine::notice {

// Simplified characters, ASCII punctuation, every "(…)" removed, and a dash
// between two dates ("2月6日—12日", "2月6号—12号") read as 至. Pinyin after characters
// (節(jié)) goes with the brackets. A note that names a weekday right after a
// date ("1月4日(周日)", "(星期日、农历除夕)") becomes the mark "〔周日〕".
// A bracket that opens and never closes is refused (UnclosedBracket, with
// its line): notes never run over a line, and one still open would swallow
// every later item.
Result<std::string, NoticeError> Normalised(std::string_view pasted);

// The year of each notice title in the text, in order, repeats removed:
// "YYYY年部分节假日安排" and "现将YYYY年元旦". Two years are two notices.
std::vector<int> NoticeYears(std::string_view text);

// The holidays the opening sentence names, as written: "现将2027年元旦、
// 春节、…和国庆节放假调休日期…通知如下" gives 元旦, 春节, …, 国庆节. Nothing
// when the text has no such sentence (a news rewrite).
std::optional<std::vector<std::string>> OpeningNames(std::string_view text);

struct Item {
  std::string name;  // as the notice names it: 春节, 国庆节、中秋节, “五一”国际劳动节
  std::string text;  // what follows the name, to the next item
};

// The items "一、元旦:…" (or "——元旦:…") in order. The last one ends where
// the paragraphs after the list begin ("节假日期间…", the signature). A text
// with none is refused (NoItems), and so is one with a numbered line that is
// no item ("六、国庆节、", cut off: UnreadItem, with that line).
Result<std::vector<Item>, NoticeError> Items(std::string_view text);

// The sentences of an item, and the clauses of a sentence.
std::vector<std::string> Split(std::string_view text, std::string_view separators);

// Reads up to four digits at `at`, moving past them; nothing when there
// are more.
std::optional<int> NumberAt(std::string_view text, std::size_t& at);

// The marks Normalised puts after a date for its note's weekday, Sunday
// first.
inline constexpr std::array<std::string_view, 7> kWeekdayMarks = {"〔周日〕", "〔周一〕", "〔周二〕", "〔周三〕",
                                                                "〔周四〕", "〔周五〕", "〔周六〕"};

}  // namespace tessarine::notice
