// The user's official-holiday list, holidays.csv beside anniversaries.csv:
// the years the user added from a notice, one day a row (notice year, date,
// 休 or 班, name), read and written with the same care as the anniversary
// list. A year in it replaces the built-in year; a year in neither is not
// known, and nothing is guessed for it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "holidays/china/built_in_schedule.h"
#include "calendar/year_range.h"
#include "lists/anniversary_list.h"

namespace tessarine {

struct HolidayRowError {
  int line;
  std::string text;  // the row as written
  // False: not a row of year, date, 休 or 班, and name. True: a row of a
  // date that an earlier row of its year already names, as 休 or as 班; a
  // day is one or the other, and one event.
  bool repeatedDate = false;
  // A row of year, date, 休 or 班, and name, whose year or date cannot be:
  // a year outside the described years, or a date in neither its year nor
  // the December before it (where a 元旦 block may begin).
  enum class Outside { Nothing, Year, Date } outside = Outside::Nothing;
};

struct HolidayList {
  std::map<int, HolidaySchedule> years;  // by notice year
  std::vector<HolidayRowError> errors;   // rows that are not a day of a schedule
};

// The header row a new list begins with.
inline constexpr std::string_view kHolidayListHeader = "年份,日期,类别,名称";

HolidayList ReadHolidayList(const CsvDocument& document);

// Puts `schedule` into the document in place of the rows of its year; the
// other rows, comments and blank lines stay as they are.
void StoreSchedule(CsvDocument& document, const HolidaySchedule& schedule);

// Takes the rows of `year` out of the document; the rest stays as it is.
void RemoveSchedule(CsvDocument& document, int year);

// The user's rows of the schedule's year that storing it would replace
// without writing them again: the rows the user added or changed by hand.
std::vector<HolidayDay> ReplacedRows(const HolidayList& list, const HolidaySchedule& schedule);

// Every known schedule in year order: the built-in years, each replaced by
// the user's own where the list has it, and the user's later years.
std::vector<HolidaySchedule> KnownSchedules(const HolidayList& list);

// The known schedules of the years in a range, and the years of the range
// that have none: what a holiday calendar can hold, and what to say.
struct RangeSchedules {
  std::vector<HolidaySchedule> known;  // in year order
  std::vector<int> missing;
};
RangeSchedules SchedulesIn(const std::vector<HolidaySchedule>& known, YearRange years);

// "休" or "班".
std::string_view KindMark(HolidayKind kind);

}  // namespace tessarine
