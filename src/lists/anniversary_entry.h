// One entry of the anniversary list as a person writes it: a name, a date
// (lunar, as the program writes it in any of its languages, as people write
// it or as numbers, or the Gregorian day of birth), an optional first lunar
// year and the calendar it repeats by. Parsing says exactly which field is
// wrong and why; each front end words that in its own language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "compose/anniversary.h"

namespace tessarine {

// A first year before this is a slip of the keyboard (0000, 0196), not a
// year anyone was born or married in.
inline constexpr int kEarliestFirstYear = 1000;

enum class EntryProblem {
  MissingName,     // the name is empty
  MissingDate,     // no date at all
  UnknownDate,     // the date has none of the accepted forms
  UnknownMonth,    // a lunar month that does not exist: 十三月初一, 13-1
  UnknownDay,      // a lunar day that does not exist: 四月四十, 4-31
  NoSuchDay,       // a Gregorian date that does not exist: 1960-02-30
  DateOutOfRange,  // a Gregorian date outside the described years
  BadFirstYear,    // the first year is not a four-digit year from 1000 to the last described one
  // A date with its year in 年, which the list never reads as a lunar date:
  GregorianInWords,  // a Gregorian day in words, 1960年4月3日: written 1960-04-03 it is read
  YearInLunarDate,   // a lunar date with its year, 1960年三月初八 or 农历1960年4月3日: the year goes in the first-year field
  // The calendar's column names no calendar: a misspelt name (Koreen), or a
  // note written there before the column named the calendar, which now
  // belongs in the column after it.
  UnknownCalendar,
};

struct EntryError {
  int field;  // 1 name, 2 date, 3 first year, 4 calendar
  EntryProblem problem;
  std::string text;  // the field as written
};

using EntryResult = Result<Anniversary, EntryError>;

// Parses a row's fields: name, date, optionally the first lunar year and
// optionally the calendar the entry repeats by (Korean, 韩国阴历, 한국, vi …:
// see CalendarOfColumn); an empty or missing one is the Chinese calendar,
// whatever calendar the front end shows, so that a list means the same
// everywhere. Fields after the calendar's are the user's own. A Gregorian
// date (yyyy-mm-dd) gives the lunar date of that day in the entry's
// calendar and its lunar year as the first year, unless a first year is
// given too.
EntryResult ParseAnniversary(const std::vector<std::string>& fields);

// The lunar month and day of `text`, in any case and with or without
// blanks: 三月初八, 闰四月十五, 冬月初五 or 十一月初五, 腊月廿三 or 十二月廿三,
// 臘月廿三, 3-8, 闰4-15 or L4-15, leap 3-15; 3월 8일, 윤3월 3일, 음력 10월 5일,
// 음 3.8, 3.8; mùng 8 tháng 3, 8 tháng Ba, rằm tháng Giêng, 23 tháng Chạp,
// 15 tháng 3 nhuận (lists/lunar_spelling.h). A Gregorian yyyy-mm-dd is no
// lunar date here (UnknownDate).
Result<Anniversary, EntryProblem> ParseLunarMonthDay(std::string_view text);

}  // namespace tessarine
