// The check every vocabulary table's joining patterns pass when the table is
// compiled: each names only the fields it is filled with, as {name}, and
// writes a brace only as a field or doubled ({{, }}). fmt fills such a
// pattern without failing, so naming a day (calendar/lunar_names.h), a
// season count or a 干支 (compose/almanac_text.h) or a reminder
// (export/anniversary_calendar.h) never fails for any table.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "calendar/vocabulary.h"

namespace tessarine {

// Whether `pattern` holds no field but `fields`, each written {name}, and
// braces only as fields or doubled. A width or fill ({day:02}) is refused:
// the fields are filled as they are.
constexpr bool NamesOnly(std::string_view pattern, std::initializer_list<std::string_view> fields) {
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const bool doubled = at + 1 < pattern.size() && pattern[at + 1] == pattern[at];
    if (pattern[at] == '}' && !doubled) return false;
    if ((pattern[at] == '{' || pattern[at] == '}') && doubled) {
      ++at;
    } else if (pattern[at] == '{') {
      const std::size_t end = pattern.find('}', at);
      if (end == std::string_view::npos) return false;
      if (std::find(fields.begin(), fields.end(), pattern.substr(at + 1, end - at - 1)) == fields.end()) return false;
      at = end;
    }
  }
  return true;
}

// Whether each pattern of `words` names only the fields its filler gives.
constexpr bool PatternsFill(const Vocabulary& words) {
  const std::initializer_list<std::string_view> dateFields = {"month",       "monthInText", "day",
                                                              "leap",        "monthNumber", "dayNumber"};
  return NamesOnly(words.yearPattern, {"cycle", "animal"}) && NamesOnly(words.dayPattern, dateFields) &&
         NamesOnly(words.monthDayPattern, dateFields) &&
         NamesOnly(words.lunarDatePattern, {"calendar", "year", "yearInText", "monthDay"}) &&
         NamesOnly(words.reminderPattern, {"days", "name"}) && NamesOnly(words.periodDayPattern, {"period", "day"}) &&
         NamesOnly(words.ganzhiPattern, {"year", "month", "day"});
}

}  // namespace tessarine
