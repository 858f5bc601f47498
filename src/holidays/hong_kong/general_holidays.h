// Hong Kong's general holidays of a year as the Schedule to the General
// Holidays Ordinance (Cap. 149, 《公眾假期條例》) sets them, each moved
// by its own Sunday rule, and the days appointed once by their own
// instruments. Every Sunday is a general holiday (para. (a)) and is not
// listed. Two holidays on one day are left for s.6(2)
// (holidays/hong_kong/coinciding_days.h).
//
//   (b)     一月一日                       Sunday: 一月一日翌日
//   (c)–(e) 農曆年初一、初二、初三          one a Sunday: 農曆年初四 from
//           2012-02-24; 農曆年初一之前一日 before
//   (f)     清明節 (the day of the term)   Sunday: the following day
//   (g)–(i) 耶穌受難節、其翌日、復活節星期一 (Easter −2, −1, +1)
//   (j)     勞動節 05-01                   Sunday: the following day
//   (k)     佛誕 (L 04-08)                 Sunday: the following day
//   (l)     端午節 (L 05-05)               Sunday: the following day
//   (m)     香港特別行政區成立紀念日 07-01  Sunday: the following day
//   (n)     國慶日 10-01                   Sunday: the following day
//   (o)     中秋節翌日 (L 08-16)           Sunday: 中秋節後第二日 (L 08-17) from
//           2012-02-24; the day of the Festival (L 08-15) before
//   (p)     重陽節 (L 09-09)               Sunday: the following day
//   (q)(r)  聖誕節, 聖誕節後第一個周日       Christmas a Sunday: 聖誕節後第二個周日
//
// Lunar days are the Chinese calendar's (Hong Kong keeps it at UTC+8, as
// the mainland does); 清明 is the civil day of the term at UTC+8.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tessarine::hong_kong {

struct GeneralHoliday {
  std::chrono::sys_days date;
  std::string name;      // in the gazette's traditional Chinese
  bool western = false;  // fixed by the Gregorian date or by Easter
};

// From 1999, the first year of the present Schedule (Holidays (Amendment)
// Ordinance 1998: 勞動節 and 佛誕 added, s.6(2) made), to the last year of
// the lunar tables.
inline constexpr int kFirstRuleYear = 1999;
inline constexpr int kLastRuleYear = 2100;

// The year's holidays before s.6(2), in date order; two may share a day.
// Empty outside [kFirstRuleYear, kLastRuleYear].
std::vector<GeneralHoliday> ScheduleHolidays(int year);

}  // namespace tessarine::hong_kong
