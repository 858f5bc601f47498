// Reading one numbered item of a holiday notice ("二、春节：…") into days.
//
// Which days count: exactly the days the item names. A range "X月A日至B日"
// (or "至Y月B日") is inclusive, weekend days inside it included, and every
// date after it in the clause counts too; "X月A日放假" is one day (A号 is
// A日); "补休" and "调休" days are days off; "与周末连休" adds nothing
// beyond the named day; every day in a clause that says "上班" is a make-up
// workday. A 周X note must agree with its date. A clause that says any of
// these words is read whole: a date in it that is not read ("4月5曰",
// "十月一日") refuses the item.
#pragma once

#include <chrono>
#include <map>

#include "calendar/result.h"
#include "holidays/china/built_in_schedule.h"
#include "holidays/china/notice_error.h"
#include "holidays/china/notice_text.h"

namespace tessarine {

// Adds the item's days to `days`, by date. A December date in a 元旦 item
// is of the year before.
Result<void, NoticeError> ReadItem(int noticeYear, const notice::Item& item,
                                  std::map<std::chrono::sys_days, HolidayDay>& days);

}  // namespace tessarine
