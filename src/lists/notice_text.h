// The text of a holiday notice made regular for reading: full-width forms
// and traditional characters brought to one spelling, parenthesised notes
// removed (周X notes kept as a mark to check), the numbered items found,
// and the dates in a clause read. Every step is one pass over the text, so
// a pasted megabyte reads as fast as a page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarine::notice {

// Simplified characters, ASCII punctuation, every "(…)" removed, and a dash
// between two dates ("2月6日—12日") read as 至. Pinyin after characters
// (節(jié)) goes with the brackets. A note that names a weekday right after a
// date ("1月4日(周日)", "(星期日、农历除夕)") becomes the mark "〔周日〕".
struct NormalisedText {
  std::string text;
  std::string unclosedLine;  // the line where a bracket opens and never closes; empty when none
};
NormalisedText Normalised(std::string_view pasted);

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
// the paragraphs after the list begin ("节假日期间…", the signature).
struct ItemList {
  std::vector<Item> items;
  std::string unreadLine;  // a numbered line that is no item ("六、国庆节、", cut off); empty when none
};
ItemList Items(std::string_view text);

// The sentences of an item, and the clauses of a sentence.
std::vector<std::string> Split(std::string_view text, std::string_view separators);

// A date as written: a day, with the month and the year when given, the
// weekday its note names, and whether 至 joins it to the date before.
struct WrittenDate {
  std::optional<int> year;
  std::optional<int> month;
  int day = 0;
  std::optional<unsigned> weekday;  // 0 for Sunday to 6
  bool rangeFromPrevious = false;
};

// The dates in a clause, in order.
std::vector<WrittenDate> DatesIn(std::string_view clause);

// N in "共N天" or "放假N天", when the clause has one.
std::optional<int> DayCount(std::string_view clause);

}  // namespace tessarine::notice
