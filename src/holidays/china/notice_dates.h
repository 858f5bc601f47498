// The dates in one clause of a holiday notice, as the normalised text
// (holidays/china/notice_text.h) holds them: "2月6日至12日", "2018年12月30日至2019年
// 1月1日", "4月5号", each with the 〔周X〕 mark of its note; and whether a
// clause holds anything that looks like a date but is not read as one, so
// that a day is never dropped without a word.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tessarine::notice {

// A date as written: a day, with the month and the year when given, the
// weekday its note names, and whether 至 joins it to the date before.
struct WrittenDate {
  std::optional<int> year;
  std::optional<int> month;
  int day = 0;
  std::optional<unsigned> weekday;  // 0 for Sunday to 6
  bool rangeFromPrevious = false;
};

// The dates in a clause, in order. A day is written with 日 or 号.
std::vector<WrittenDate> DatesIn(std::string_view clause);

// Whether every number in the clause is read: as part of a date, a year
// named alone ("2019年劳动节"), a count of days ("共3天", "放假1天") or of
// years ("70周年"); and no date is written in Chinese numerals ("十月一日").
bool EveryDateRead(std::string_view clause);

// N in "共N天" or "放假N天", when the clause has one.
std::optional<int> DayCount(std::string_view clause);

}  // namespace tessarine::notice
