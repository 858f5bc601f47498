#include "holidays/china/notice_dates.h"

#include <array>
#include <string>
#include <utility>

#include "calendar/plain_text.h"
#include "holidays/china/notice_text.h"

namespace tessarine::notice {
namespace {

constexpr std::array<std::string_view, 2> kDayMarks = {"日", "号"};
// What may follow a number that is no date: a count of days or of years.
constexpr std::array<std::string_view, 2> kCounts = {"天", "周年"};
constexpr std::array<std::string_view, 14> kChineseNumerals = {"一", "二", "三", "四", "五", "六", "七",
                                                               "八", "九", "十", "〇", "零", "两", "廿"};

std::size_t MarkAt(std::string_view text, std::size_t at, const auto& marks) {
  for (const std::string_view mark : marks) {
    if (text.substr(at).starts_with(mark)) return mark.size();
  }
  return 0;
}

// A 月, 日 or 号 that follows a Chinese numeral: a date the reader does not
// read (十月一日), at `at`.
bool ChineseNumeralDate(std::string_view clause, std::size_t at) {
  if (MarkAt(clause, at, kDayMarks) == 0 && !clause.substr(at).starts_with("月")) return false;
  for (const std::string_view numeral : kChineseNumerals) {
    if (at >= numeral.size() && clause.substr(at - numeral.size()).starts_with(numeral)) return true;
  }
  return false;
}

struct ClauseDates {
  std::vector<WrittenDate> dates;
  bool everyDateRead = true;
};

// One date, or what else the number at `at` is, moving past it.
std::optional<WrittenDate> DateAt(std::string_view clause, std::size_t& at, bool& read) {
  WrittenDate date;
  std::optional<int> number = NumberAt(clause, at);
  if (!number) {  // more than four digits: no date's
    while (at < clause.size() && IsAsciiDigit(clause[at])) ++at;
    read = false;
    return std::nullopt;
  }
  if (clause.substr(at).starts_with("年")) {
    date.year = number;
    at += std::string_view("年").size();
    number = NumberAt(clause, at);
  }
  if (number && clause.substr(at).starts_with("月")) {
    date.month = number;
    at += std::string_view("月").size();
    number = NumberAt(clause, at);
  }
  if (const std::size_t mark = number ? MarkAt(clause, at, kDayMarks) : 0) {
    date.day = *number;
    at += mark;
    for (unsigned d = 0; d < kWeekdayMarks.size(); ++d) {
      if (clause.substr(at).starts_with(kWeekdayMarks[d])) {
        date.weekday = d;
        at += kWeekdayMarks[d].size();
      }
    }
    return date;
  }
  const bool yearAlone = date.year && !date.month && !number;
  const bool count = !date.year && !date.month && number && MarkAt(clause, at, kCounts) > 0;
  read = read && (yearAlone || count);
  return std::nullopt;
}

// The clause's dates, and with `checkNumerals` whether it writes one in
// Chinese numerals, which only a clause that gives days needs to know.
ClauseDates ReadClause(std::string_view clause, bool checkNumerals) {
  ClauseDates found;
  bool range = false;  // 至 seen since the last date
  for (std::size_t at = 0; at < clause.size();) {
    if (IsAsciiDigit(clause[at])) {
      if (auto date = DateAt(clause, at, found.everyDateRead)) {
        date->rangeFromPrevious = std::exchange(range, false);
        found.dates.push_back(*date);
      }
      continue;
    }
    if (clause.substr(at).starts_with("至") && !found.dates.empty()) range = true;
    if (checkNumerals && found.everyDateRead && ChineseNumeralDate(clause, at)) found.everyDateRead = false;
    ++at;
  }
  return found;
}

}  // namespace

std::vector<WrittenDate> DatesIn(std::string_view clause) { return ReadClause(clause, false).dates; }

bool EveryDateRead(std::string_view clause) { return ReadClause(clause, true).everyDateRead; }

std::optional<int> DayCount(std::string_view clause) {
  for (const std::string_view before : {std::string_view("共"), std::string_view("放假")}) {
    for (std::size_t at = clause.find(before); at != std::string_view::npos; at = clause.find(before, at + 1)) {
      std::size_t from = at + before.size();
      const auto count = NumberAt(clause, from);
      if (count && clause.substr(from).starts_with("天")) return count;
    }
  }
  return std::nullopt;
}

}  // namespace tessarine::notice
