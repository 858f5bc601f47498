// Reads the State Council's yearly holiday notice, pasted from a web page as
// a person copies it, into that year's days off and make-up workdays.
//
// Which days count: exactly the days the notice names. A range "X月A日至B日"
// (or "至Y月B日") is inclusive, weekend days inside it included; "X月A日放假"
// is one day; "补休" days are days off; "与周末连休" adds nothing beyond the
// named day; every day in a sentence that says "上班" is a make-up workday.
// Parenthesised notes (农历…, 周X, 星期X) are ignored. Full-width or ASCII
// punctuation, traditional characters, and other text before and after the
// notice are all accepted.
//
// Errors: what the parser cannot read with certainty it refuses, with the
// reason and the sentence, for the front end to word; nothing is guessed.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calendar/official_holidays.h"

namespace tessarine {

enum class NoticeProblem {
  NoYear,          // no "YYYY年部分节假日安排" or "现将YYYY年" names the year
  NoItems,         // no item such as "一、元旦：…"
  NoDays,          // an item names no day off and no workday
  NoSuchDate,      // a date that does not exist: 2月30日
  OutsideTheYear,  // a day off outside the notice's year (a 元旦 may begin in the December before)
  CountMismatch,   // "共N天" disagrees with the days of its range
  BothKinds,       // a day named both a day off and a workday
};

struct NoticeError {
  NoticeProblem problem;
  std::string sentence;  // where it was found, as pasted
};

std::variant<HolidaySchedule, NoticeError> ParseHolidayNotice(std::string_view text);

}  // namespace tessarine
