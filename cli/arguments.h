// What tessarine-cli's arguments mean: dates, date ranges, years, templates
// and the title options.
//
// Errors: every refusal is a UsageError whose message names the bad
// argument, thrown while the arguments are parsed (the validators) or when
// the command reads them; the dispatcher prints it as the command's one
// line and exits with 2.
#pragma once

#include <CLI/CLI.hpp>

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/iso_date.h"
#include "calendar/lunar_names.h"
#include "calendar/region.h"
#include "calendar/year_range.h"
#include "compose/normal_summary.h"

namespace tessarine::cli {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An inclusive run of days; a single date is a span of one day.
struct DateSpan {
  std::chrono::sys_days from;
  std::chrono::sys_days to;
};

// "YYYY-MM-DD" or "FROM..TO", every date a day of the described years.
DateSpan ParseDateArgument(std::string_view text);

// START or START END, as given on the command line: the range they make, or
// a UsageError naming the start or the end year and what is wrong with it.
YearRange ParseYearRange(const std::vector<std::string>& years);

// A command's years: START [END], or --rolling N for a feed that stays
// current (last year to N years ahead of `now`'s, within the described
// years), never both; a UsageError naming `command` otherwise.
YearRange CommandYears(const std::vector<std::string>& years, std::optional<int> rolling, std::string_view command,
                       std::chrono::local_seconds now);

// Adds `option` (--remind DAYS, --rolling YEARS) to `app`: a whole number of
// `unit` from 0 to `most`, written in at most two decimal digits, stored in
// `count` when given. Anything else is a UsageError naming the option.
CLI::Option* AddCount(CLI::App& app, const std::string& option, const std::string& unit, int most,
                      std::optional<int>& count);

// The folder given to --output, made absolute; it must exist.
std::filesystem::path OutputFolder(const std::string& given);

// A template given on the command line; "default" is the default template
// of the language, in the region's words (週 in Taiwan). Any other text is
// kept as typed, its literal words too (a Korean title of "LY年" reads
// 병오年): the user's own text is never translated. Text that is not valid
// UTF-8 is refused.
std::string TemplateArgument(std::string_view text, Language language, Region region);

// The text of an argument as an error message shows it: quoted, with control
// characters escaped so that the message stays one line.
std::string Quoted(std::string_view text);
// The same without the quotes, for a whole message.
std::string EscapeControls(std::string_view text);

// Adds --calendar (chinese, korean or vietnamese) to `app`, stored in
// `chosen` when given; another name is a UsageError naming it.
void AddCalendarOption(CLI::App& app, std::optional<LunarCalendar>& chosen);
// Adds --language (zh-Hans, zh-Hant, ko or vi) the same way.
void AddLanguageOption(CLI::App& app, std::optional<Language>& chosen);

// --calendar as given, chinese when not given.
inline LunarCalendar CalendarArgument(std::optional<LunarCalendar> given) {
  return given.value_or(LunarCalendar::China);
}
// --language as given; when not given, the calendar's own: zh-Hans, ko or vi.
inline Language LanguageArgument(std::optional<Language> given, LunarCalendar calendar) {
  return given.value_or(DefaultLanguageOf(calendar));
}

// The title options shared by day, expand and ics: --mode, --both and
// --no-festivals-terms (the normal format), --plain-month-names,
// --calendar and --language.
struct FormatOptions {
  std::optional<DisplayMode> mode;  // when given
  std::optional<FestivalAndTerm> both;
  bool withoutFestivalsAndTerms = false;
  bool plainMonthNames = false;
  bool moonPhases = false, sanfuShujiu = false;  // the almanac's additions to the normal format
  std::optional<LunarCalendar> calendar;  // --calendar, when given
  std::optional<Language> language;       // --language, when given

  void AddTo(CLI::App& app, bool normalFormat);
  NormalFormat Normal() const;
  // --calendar chinese (the default), korean or vietnamese.
  LunarCalendar Calendar() const { return CalendarArgument(calendar); }
  // --language zh-Hans, zh-Hant, ko or vi: the language of the program's
  // own words, by default the calendar's.
  Language Script() const { return LanguageArgument(language, Calendar()); }
  MonthNaming Naming() const {
    return plainMonthNames ? MonthNaming::Numbered : MonthNaming::WinterAndLast;
  }
};

// A command's parser: the program's own --help flag instead of CLI11's.
void PrepareCommand(CLI::App& app, bool& help);

}  // namespace tessarine::cli
