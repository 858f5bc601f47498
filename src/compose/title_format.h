// How a day's event title is composed: by the normal rules or by a custom
// template, with the user's choice of month names for either.
//
// Errors: composition takes valid values and does not fail. A day the
// calendar cannot describe gets empty lunar pieces; text from outside, such
// as a template, is made well-formed UTF-8 rather than refused; the
// vocabulary's patterns are checked when they are compiled
// (calendar/vocabulary_patterns.h), and a style the choice lost while it was
// being assigned gives no title.
#pragma once

#include <string>
#include <variant>

#include "calendar/lunar_date.h"
#include "calendar/lunar_names.h"
#include "calendar/region.h"
#include "compose/normal_summary.h"

namespace tessarine {

// The custom format: a template and whether runs of white space collapse.
struct TemplateFormat {
  std::string text;
  bool collapseSpaces = true;
};

struct TitleFormat {
  MonthNaming monthNaming = MonthNaming::WinterAndLast;
  std::variant<NormalFormat, TemplateFormat> style;
  Language language = Language::ZhHans;  // of the program's own words; a template's text stays as written
  LunarCalendar calendar = LunarCalendar::China;
  Region region = Region::China;  // whose festivals: set with the calendar, which it need not follow
};

// The title of `date`; empty when the day gets no event.
std::string TitleOf(sys_days date, const TitleFormat& format);
// The same for a day already described, as a walk over a year has it.
std::string TitleOf(const DayInfo& day, const TitleFormat& format);

}  // namespace tessarine
