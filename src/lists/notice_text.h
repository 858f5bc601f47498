// The text of a holiday notice made regular for reading: full-width forms
// and traditional characters brought to one spelling, parenthesised notes
// removed, the numbered items found, and the dates in a clause read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarine::notice {

// Simplified characters, ASCII punctuation, every "(…)" removed, and a dash
// between two dates ("2月6日—12日") read as 至.
std::string Normalised(std::string_view pasted);

// The notice's year: "YYYY年部分节假日安排", or "现将YYYY年元旦".
std::optional<int> NoticeYear(std::string_view text);

struct Item {
  std::string name;  // as the notice names it: 春节, 国庆节、中秋节, “五一”国际劳动节
  std::string text;  // what follows the name, to the next item
};

// The items "一、元旦:…" (or "——元旦:…") in order. The last one ends where
// the paragraphs after the list begin ("节假日期间…", the signature).
std::vector<Item> Items(std::string_view text);

// The sentences of an item, and the clauses of a sentence.
std::vector<std::string> Split(std::string_view text, std::string_view separators);

// A date as written: a day, with the month and the year when given.
struct WrittenDate {
  std::optional<int> year;
  std::optional<int> month;
  int day = 0;
};

// The dates in a clause, in order, and whether the clause joins the first
// two with 至.
struct ClauseDates {
  std::vector<WrittenDate> dates;
  bool range = false;
};
ClauseDates DatesIn(std::string_view clause);

// N in "共N天" or "放假N天", when the clause has one.
std::optional<int> DayCount(std::string_view clause);

}  // namespace tessarine::notice
