// The user's official-holiday list, holidays.csv beside anniversaries.csv:
// the years the user added from a notice or an import, one day a row
// (notice year, date, 休 or 班, name, and the region), read and written with
// the same care as the anniversary list. A year in it replaces the built-in
// year (Korea's and Vietnam's rows are added to it instead); a year in
// neither is not known, and nothing is guessed for it.
//
// The region column (cn, tw, hk, kr or vn) came after the mainland's rows,
// and is the one the header names 地区: in a list whose header names none
// (every list written before the column) every row is the mainland's and
// any further columns are the user's own, as they always were; a row with
// the column empty is the mainland's too. The mainland's rows are written
// without it, and the header gains 地区 only while another region's rows
// are in the list, so a list of the mainland's days alone is written as
// before.
// Each region's years are its own: storing Korea's 2027 leaves the
// mainland's 2027 as it is. How a region's rows join its built-in days is
// lists/region_holiday_list.h.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "calendar/region.h"
#include "calendar/year_range.h"
#include "holidays/china/built_in_schedule.h"
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
  // A row whose region is none of cn, tw, hk, kr and vn; or a 班 row of a
  // region that never works a day in exchange (kr, hk).
  enum class RegionFault { Nothing, Unknown, NoWorkdays } region = RegionFault::Nothing;
};

struct HolidayList {
  std::map<int, HolidaySchedule> years;                      // the mainland's, by notice year
  std::map<Region, std::map<int, HolidaySchedule>> regions;  // the other regions', by year; no empty entry
  std::vector<HolidayRowError> errors;                       // rows that are not a day of a schedule
};

// The list's years of a region: `years` for the mainland.
const std::map<int, HolidaySchedule>& YearsOf(const HolidayList& list, Region region);

// The header row a new list begins with, and the one a list has once it
// holds another region's rows.
inline constexpr std::string_view kHolidayListHeader = "年份,日期,类别,名称";
inline constexpr std::string_view kRegionHolidayListHeader = "年份,日期,类别,名称,地区";

HolidayList ReadHolidayList(const CsvDocument& document);

// Puts `schedule` into the document in place of the region's rows of its
// year; the other rows (of other years, or of other regions), comments and
// blank lines stay as they are. Another region's rows carry its tag, and
// the header gains 地区 if it lacks it.
void StoreSchedule(CsvDocument& document, const HolidaySchedule& schedule, Region region);

// Takes the region's rows of `year` out of the document; the rest stays as
// it is, but for the header's 地区, dropped with the last row that needed it.
void RemoveSchedule(CsvDocument& document, int year, Region region);

// The user's rows of the schedule's year that storing it would replace
// without writing them again: the rows the user added or changed by hand.
std::vector<HolidayDay> ReplacedRows(const HolidayList& list, const HolidaySchedule& schedule,
                                     Region region);

// Every known schedule of the mainland in year order: the built-in years, each replaced by
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
