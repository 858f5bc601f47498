// What a holiday notice's reader refuses, and where: nothing that cannot be
// read with certainty is guessed or dropped, so each refusal names the
// sentence, the holiday or the years at fault, for the front end to word.
#pragma once

#include <string>
#include <vector>

#include "holidays/china/notice_balance.h"

namespace tessarine {

enum class NoticeProblem {
  NoYear,           // no "YYYY年部分节假日安排" or "现将YYYY年" names the year
  NoItems,          // no item such as "一、元旦：…"
  NoDays,           // an item names no day off and no workday
  NoSuchDate,       // a date that does not exist: 2月30日
  OutsideTheYear,   // a day off outside the notice's year (a 元旦 may begin in the December before)
  CountMismatch,    // "共N天" disagrees with the days of its range
  BothKinds,        // a day named both a day off and a workday
  UnclosedBracket,  // a bracket opens and never closes: the line
  YearOutside,      // the notice's year is outside the calendar's years: the year
  WrongWeekday,     // a 周X note disagrees with its date
  TwoNotices,       // two notices in one text: both years
  YearDisagrees,    // the text names another year than the one given: both years
  MissingItem,      // a holiday the opening sentence names has no item: the holiday
  UnreadItem,       // a numbered line that is no item, as where a copied text was cut: the line
  TooFewHolidays,   // no opening sentence, and holidays of a yearly notice missing: those holidays
  NothingToChange,  // a change to a year whose days are not known: the year
  UnreadClause,     // a clause about days off or workdays with a date not read (4月5曰放假): the sentence
  CutShort,         // the last item stops inside its sentence, as a copy cut short does: the item's end
  Unbalanced,       // blocks whose days do not add up (holidays/china/notice_balance.h): their names, and `blocks`
};

struct NoticeError {
  NoticeProblem problem;
  std::string sentence;  // where it was found, as read, or what it names
  std::vector<BlockBalance> blocks = {};  // Unbalanced: each block that does not add up
};

}  // namespace tessarine
