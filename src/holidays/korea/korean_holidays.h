// Korea's 공휴일 for a year: those its 월력요항 published (2018–2027),
// Official; for the other years from 1991 to 2100, those that follow from
// 「관공서의 공휴일에 관한 규정」 제2조 and 제3조 alone, Provisional.
//
// Korea has no make-up workdays: every day is a DayOff. Sundays are listed
// only where they carry a holiday. Names are Korean, as the 월력요항 writes
// them ("설날 다음 날", "대체공휴일(한글날)").
//
// What the rules cannot know: election days and 임시공휴일 are set one by
// one, and are known here for 2018–2027 only (holidays/korea/designated_days.h).
// A rule year outside those years has none of them: 2016's 국회의원선거 and
// 2028's are missing, as is any 임시공휴일; its days are Provisional.
// Before 1991 (the 익일휴무제 and the lists of the 1980s) nothing is known.
#pragma once

#include <optional>

#include "calendar/year_range.h"
#include "holidays/schedule.h"

namespace tessarine {

// The years built in from the published lists: 2018–2027.
YearRange KoreanPublishedYears();

// The years the rules describe: 1991–2100.
YearRange KoreanRuleYears();

// The year's published list where there is one, else the rules' days;
// nothing outside KoreanRuleYears().
std::optional<HolidaySchedule> KoreanHolidaySchedule(int year);

// The rules alone, with the published lists switched off, every day
// Provisional: the statutory days, the designated days known for the year,
// and the substitutes these give. What the tests hold against the
// published years.
std::optional<HolidaySchedule> KoreanRuleSchedule(int year);

}  // namespace tessarine
