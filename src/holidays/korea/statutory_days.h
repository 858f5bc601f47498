// The 공휴일 that 「관공서의 공휴일에 관한 규정」 제2조 lists, for one year,
// each as it stood in that year, before 제3조 adds its 대체공휴일
// (holidays/korea/substitute_days.h). Sundays (제2조제1호) are not listed:
// every Sunday is one.
//
//   1월 1일              every year; 1월 2일 too until 1998 (대통령령 제15939호)
//   설날 전날·설날·다음 날  음력 12월 말일, 1월 1일, 2일
//   3ㆍ1절, 광복절, 개천절  every year
//   식목일 04-05          until 2005 (대통령령 제18893호)
//   부처님 오신 날         음력 4월 8일 (석가탄신일 until 2017)
//   노동절 05-01          from 2026-05-01 (대통령령 제36290호)
//   어린이날, 현충일       every year
//   제헌절 07-17          until 2007 (제18893호 부칙), again from 2026
//                        (「공휴일에 관한 법률」 개정, in force 2026-05-11)
//   추석 전날·추석·다음 날  음력 8월 14일, 15일, 16일
//   한글날 10-09          from 2013 (대통령령 제24273호); not 1991–2012
//   기독탄신일 12-25      every year
//   선거일, 임시공휴일     published one by one (holidays/korea/designated_days.h)
//
// Lunar dates are those of the Korean calendar (LunarCalendar::Korea): in
// 2027 설날 is 02-07 in Korea, a day after China's Spring Festival.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tessarine::korea {

// How 제3조 treats a holiday of a given day:
//   None       never substituted (1월 1일, 현충일, 선거일, 임시공휴일), or not
//              yet in that year;
//   SundayOrOverlap  설날 and 추석 연휴: a day on a Sunday, or on a weekday
//              another 공휴일 also holds (a Saturday gives nothing);
//   WeekendOrOverlap the other days: on a Saturday, a Sunday, or on a
//              weekday another 공휴일 also holds.
enum class Trigger { None, SundayOrOverlap, WeekendOrOverlap };

struct NamedDay {
  std::chrono::sys_days date;
  std::string name;
};

// One item of 제2조 in one year.
struct Holiday {
  std::string name;            // as a 대체공휴일 names it: 설날, 추석, 3ㆍ1절, 부처님 오신 날
  std::vector<NamedDay> days;  // one day, or a 연휴's three in order
  Trigger trigger = Trigger::None;
  bool lunar = false;          // follows the lunar calendar
};

// The first and last year these rules describe: from 1991, when the 1990
// revision (대통령령 제13155호) took 국군의 날 and 한글날 off the list and
// ended the older 익일휴무제; to the last year of the lunar tables.
inline constexpr int kFirstRuleYear = 1991;
inline constexpr int kLastRuleYear = 2100;

// 제2조's holidays of Gregorian year `year` other than Sundays and the days
// designated one by one, in the order of their first day. Empty outside
// [kFirstRuleYear, kLastRuleYear].
std::vector<Holiday> StatutoryHolidays(int year);

}  // namespace tessarine::korea
