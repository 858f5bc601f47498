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

// --region, --calendar and --language as given, and what each stands for
// when not given. The region decides the calendar and the language unless
// they are given; without --region the region follows the calendar
// (chinese cn, korean kr, vietnamese vn), so a command naming only its
// calendar keeps its meaning. A Chinese language tag naming Taiwan or Hong
// Kong (zh-TW, zh-HK, zh-MO) names the region too, where the calendar is
// the Chinese one and no --region says otherwise.
struct RegionChoice {
  std::optional<Region> region;            // --region, when given
  std::optional<LunarCalendar> calendar;   // --calendar, when given
  std::optional<Language> language;        // --language, when given
  std::optional<Region> regionOfLanguage;  // the region its tag names, if any

  // Adds --region, --calendar and --language to `app`; a name none of them
  // knows is a UsageError naming it.
  void AddTo(CLI::App& app);
  // --calendar as given, else the region's, else chinese.
  LunarCalendar Calendar() const;
  // --region as given, else the language tag's (with the Chinese calendar),
  // else the calendar's.
  Region Place() const;
  // --language as given, else the region's: zh-Hans, zh-Hant, ko or vi.
  Language Script() const;
};

// The title options shared by day, expand and ics: --mode, --both and
// --no-festivals-terms (the normal format), --plain-month-names, and the
// region, calendar and language.
struct FormatOptions {
  std::optional<DisplayMode> mode;  // when given
  std::optional<FestivalAndTerm> both;
  bool withoutFestivalsAndTerms = false;
  bool plainMonthNames = false;
  bool moonPhases = false, sanfuShujiu = false;  // the almanac's additions to the normal format
  RegionChoice where;

  void AddTo(CLI::App& app, bool normalFormat);
  NormalFormat Normal() const;
  LunarCalendar Calendar() const { return where.Calendar(); }
  Region Place() const { return where.Place(); }
  // The language of the program's own words.
  Language Script() const { return where.Script(); }
  MonthNaming Naming() const {
    return plainMonthNames ? MonthNaming::Numbered : MonthNaming::WinterAndLast;
  }
};

// A command's parser: the program's own --help flag instead of CLI11's.
void PrepareCommand(CLI::App& app, bool& help);

}  // namespace tessarine::cli
