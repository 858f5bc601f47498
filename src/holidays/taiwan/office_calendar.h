// Reads the DGPA's 辦公日曆表 as the open-data CSV is downloaded
// (data.gov.tw dataset 14718): the header 西元日期,星期,是否放假,備註, then
// one row a day such as 20250127,一,2,小年夜 — 是否放假 2 for a day off, 0
// for a working day — with CRLF line ends. The text comes in as UTF-8, with
// or without its byte-order mark; the files published in Big5 are decoded
// first (lists/office_calendar_bytes.h).
//
// A file is read whole or refused, naming the line at fault. A year's file
// has a row for every day; a revision (修正版) may hold only the rows it
// changes, and replaces those rows of the year.
//
// From the rows: a weekday off is a day off named by its 備註 (放假 when the
// 備註 is empty), a weekend day worked is a 補班 named by its 備註 (補行上班
// when empty), a weekend day off with a 備註 is that holiday on a weekend;
// working weekdays and ordinary weekends give nothing.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "holidays/schedule.h"

namespace tessarine {

enum class OfficeCalendarProblem {
  NotText,          // bytes neither UTF-8 nor Big5 (lists/office_calendar_bytes.h)
  WrongHeader,      // the first line is not the table's header: the line
  NoRows,           // a header and no day
  WrongFieldCount,  // a row without its four fields: the line
  BadDate,          // 西元日期 is no date written YYYYMMDD: the line
  YearOutside,      // a day outside the calendar's years: the line
  WrongWeekday,     // 星期 is not the date's weekday: the line
  OtherYear,        // a day of another year than the first row's: the line
  OutOfOrder,       // a day repeated, or before the row above it: the line
  UnknownValue,     // 是否放假 is neither 0 nor 2: the line
  CutShort,         // the last line has no line end, or stops inside a character: the line
  NothingToChange,  // a revision's rows, for a year with no schedule to change: the year
};

struct OfficeCalendarError {
  OfficeCalendarProblem problem;
  int line = 0;      // counted from 1, the header being line 1; 0 when none
  std::string text;  // the line as read, or the year for NothingToChange
};

struct OfficeCalendar {
  int year = 0;
  bool wholeYear = false;                   // a row for every day of the year
  std::vector<std::chrono::sys_days> rows;  // the days it has rows for, in order
  HolidaySchedule schedule;                 // what the rows give, every day Official
};

Result<OfficeCalendar, OfficeCalendarError> ReadOfficeCalendar(std::string_view text);

// The year after the file: a whole year's own schedule; for a revision,
// `known` (the year as known now) with the days of its rows replaced.
Result<HolidaySchedule, OfficeCalendarError> ApplyOfficeCalendar(const OfficeCalendar& file,
                                                                 const std::optional<HolidaySchedule>& known);

}  // namespace tessarine
