#include "cli/arguments.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "calendar/iso_date.h"
#include "calendar/plain_text.h"
#include "calendar/year_range.h"
#include "compose/template_engine.h"
#include "compose/utf8_text.h"

namespace tessarine::cli {
namespace {

std::chrono::sys_days ParseDate(std::string_view text) {
  const std::optional<std::chrono::sys_days> read = ReadIsoDate(text);
  if (!read) throw UsageError("invalid date " + Quoted(text) + ": expected a real date written YYYY-MM-DD");
  const std::chrono::sys_days date = *read;
  if (!IsDescribable(date)) {
    throw UsageError(fmt::format("date {} is outside {}..{}", Quoted(text), IsoDate(YearRange::All().firstDay()),
                                 IsoDate(YearRange::All().lastDay())));
  }
  return date;
}

// Adds `option` to `app`: one of `choices` by name, stored in `chosen`
// when given; another name is a UsageError listing them.
template <typename Value>
void AddChoice(CLI::App& app, const std::string& option, std::vector<std::pair<std::string, Value>> choices,
               std::optional<Value>& chosen) {
  std::string names;
  for (const auto& choice : choices) names += (names.empty() ? "" : ", ") + choice.first;
  const CLI::CheckedTransformer byName(std::move(choices));
  const CLI::Validator named(
      [option, names, byName](std::string& given) {
        std::string value = given;
        if (!byName(value).empty()) {
          throw UsageError(fmt::format("invalid value {} for {} (choose {})", Quoted(given), option, names));
        }
        given = std::move(value);  // the choice's value, as CLI11 reads it back
        return std::string();
      },
      names);
  app.add_option_function<Value>(option, [&chosen](const Value& value) { chosen = value; })->transform(named);
}

// A check that `option`'s value is a tag `read` knows; another tag is a
// UsageError saying it is not one of `names`.
template <typename Value>
CLI::Validator KnownTag(const std::string& option, std::optional<Value> (*read)(std::string_view),
                        std::string_view names) {
  return CLI::Validator(
      [option, read, names = std::string(names)](const std::string& given) {
        if (!read(given)) throw UsageError(option + " " + Quoted(given) + " is not " + names);
        return std::string();
      },
      "");  // a missing tag is reported as a missing TEXT, as it always was
}

// Adds `option` to `app`: a tag read by `read`, stored in `chosen` when
// given; another tag is a UsageError.
template <typename Value>
void AddTag(CLI::App& app, const std::string& option, std::optional<Value> (*read)(std::string_view),
            std::string_view names, std::optional<Value>& chosen) {
  app.add_option_function<std::string>(option, [&chosen, read](const std::string& given) { chosen = read(given); })
      ->check(KnownTag(option, read, names));
}

// A year as a number; a sign is allowed, and a number too large to hold is
// as far outside the calendar as any.
int YearNumber(std::string_view text, std::string_view role) {
  if (!AllAsciiDigits(text.substr(text.starts_with('-') || text.starts_with('+') ? 1 : 0))) {
    throw UsageError(fmt::format("{} {} is not a number", role, Quoted(text)));
  }
  long long value = 0;
  const auto digits = text.substr(text.starts_with('+') ? 1 : 0);
  const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (parsed.ec != std::errc{} || value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(std::max<long long>(value, std::numeric_limits<int>::min()));
}

}  // namespace

std::string Quoted(std::string_view text) { return "'" + EscapeControls(text) + "'"; }

std::string EscapeControls(std::string_view text) {
  std::string quoted;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(at, 4));
    const auto byte = static_cast<unsigned char>(text[at]);
    if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
      // U+0080..U+009F, the C1 controls: some terminals act on them as ESC.
      quoted += fmt::format("\\u{:04x}", static_cast<unsigned char>(text[at + 1]));
    } else if (length > 1) {
      quoted.append(text.substr(at, length));  // a character beyond ASCII, whole
    } else if (text[at] == '\n') {
      quoted += "\\n";
    } else if (text[at] == '\t') {
      quoted += "\\t";
    } else if (text[at] == '\r') {
      quoted += "\\r";
    } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
      // Control characters (ESC among them) and bytes that are not UTF-8
      // would reach the terminal as commands or garbage: shown as codes.
      quoted += fmt::format("\\x{:02x}", byte);
    } else {
      quoted += text[at];
    }
    at += length == 0 ? 1 : length;
  }
  return quoted;
}

DateSpan ParseDateArgument(std::string_view text) {
  if (const auto dots = text.find(".."); dots != std::string_view::npos) {
    const auto from = ParseDate(text.substr(0, dots));
    const auto to = ParseDate(text.substr(dots + 2));
    if (to < from) throw UsageError("range " + Quoted(text) + " ends before it starts");
    return {from, to};
  }
  const auto date = ParseDate(text);
  return {date, date};
}

YearRange ParseYearRange(const std::vector<std::string>& years) {
  const std::string& startText = years.front();
  const std::string& endText = years.back();
  const int start = YearNumber(startText, "start year");
  const auto outside = [](std::string_view role, const std::string& text) {
    const YearRange all = YearRange::All();
    return UsageError(fmt::format("{} {} is outside {}..{}", role, Quoted(text), static_cast<int>(all.first()),
                                  static_cast<int>(all.last())));
  };
  // The start year is judged before the end year is read.
  if (std::holds_alternative<YearRangeProblem>(YearRange::Checked(start, start))) throw outside("start year", startText);
  const int end = years.size() == 2 ? YearNumber(endText, "end year") : start;
  const auto range = YearRange::Checked(start, end);
  if (const auto* problem = std::get_if<YearRangeProblem>(&range)) {
    if (*problem == YearRangeProblem::EndBeforeStart) {
      throw UsageError("end year " + Quoted(endText) + " is before the start year " + Quoted(startText));
    }
    throw *problem == YearRangeProblem::BadStart ? outside("start year", startText) : outside("end year", endText);
  }
  return std::get<YearRange>(range);
}

std::filesystem::path OutputFolder(const std::string& given) {
  std::error_code error;
  const auto folder = std::filesystem::absolute(given, error);
  if (error || !std::filesystem::is_directory(folder, error)) {
    throw UsageError("output folder " + Quoted(given) + " does not exist or is not a folder");
  }
  return folder.lexically_normal();
}

YearRange CommandYears(const std::vector<std::string>& years, std::optional<int> rolling, std::string_view command,
                       std::chrono::local_seconds now) {
  if (!rolling) {
    if (years.empty() || years.size() > 2) {
      throw UsageError(std::string(command) + " needs a start year and at most an end year, or --rolling N");
    }
    return ParseYearRange(years);
  }
  if (!years.empty()) throw UsageError("give either years or --rolling N, not both");
  const int thisYear = static_cast<int>(std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(now)}.year());
  const int first = std::max(thisYear - 1, static_cast<int>(YearRange::First));
  const int last = std::min(thisYear + *rolling, static_cast<int>(YearRange::Last));
  if (first > last) throw UsageError("--rolling: this year lies past the described years");
  return std::get<YearRange>(YearRange::Checked(first, last));
}

std::string TemplateArgument(std::string_view text, Language language, Region region) {
  if (text == "default") return std::string(DefaultTemplateOf(language, region));
  if (!IsValidUtf8(text)) throw UsageError("the template is not valid UTF-8 text");
  // An empty template titles no day: a file with no event is no calendar.
  if (text.find_first_not_of(" \t") == std::string_view::npos) {
    throw UsageError("the template is empty: give one such as 'LD' or 'default'");
  }
  return std::string(text);
}

void FormatOptions::AddTo(CLI::App& app, bool normalFormat) {
  if (normalFormat) {
    AddChoice<DisplayMode>(app, "--mode",
                           {{"date", DisplayMode::Day},
                            {"month-date", DisplayMode::MonthAndDay},
                            {"festivals-terms", DisplayMode::FestivalsAndTerms},
                            {"terms", DisplayMode::TermsOnly}},
                           mode);
    AddChoice<FestivalAndTerm>(
        app, "--both",
        {{"festival", FestivalAndTerm::Festival}, {"term", FestivalAndTerm::Term}, {"both", FestivalAndTerm::Both}},
        both);
    app.add_flag("--no-festivals-terms", withoutFestivalsAndTerms);
    app.add_flag("--moon-phases", moonPhases);
    app.add_flag("--sanfu-shujiu", sanfuShujiu);
  }
  app.add_flag("--plain-month-names", plainMonthNames);
  where.AddTo(app);
}

void RegionChoice::AddTo(CLI::App& app) {
  AddTag(app, "--region", RegionOfTag, "cn, tw, hk, kr or vn", region);
  AddTag(app, "--calendar", CalendarOfTag, "chinese, korean or vietnamese", calendar);
  // The language tag also names whose wording 繁體 follows (zh-TW, zh-HK).
  app.add_option_function<std::string>("--language",
                                        [this](const std::string& given) {
                                          language = LanguageOfTag(given);
                                          regionOfLanguage = RegionOfLanguageTag(given);
                                        })
      ->check(KnownTag("--language", LanguageOfTag, "a language tag such as zh-Hans, zh-Hant, zh-TW, ko or vi"));
}

LunarCalendar RegionChoice::Calendar() const {
  if (calendar) return *calendar;
  return region ? CalendarOf(*region) : LunarCalendar::China;
}

Region RegionChoice::Place() const {
  if (region) return *region;
  const LunarCalendar reckoned = Calendar();
  if (regionOfLanguage && CalendarOf(*regionOfLanguage) == reckoned) return *regionOfLanguage;
  return RegionOf(reckoned);
}

Language RegionChoice::Script() const { return language.value_or(DefaultLanguageOf(Place())); }

NormalFormat FormatOptions::Normal() const {
  NormalFormat format;
  if (mode) format.mode = *mode;
  if (both) format.onSameDay = *both;
  format.withoutFestivalsAndTerms = withoutFestivalsAndTerms;
  format.withMoonPhases = moonPhases;
  format.withSeasonCounts = sanfuShujiu;
  return format;
}

void PrepareCommand(CLI::App& app, bool& help) {
  app.set_help_flag();
  app.add_flag("--help", help);
}

CLI::Option* AddCount(CLI::App& app, const std::string& option, const std::string& unit, int most,
                      std::optional<int>& count) {
  const CLI::Range inRange(0, most);
  // CLI11 alone would read 010 as octal 8 and 0x1e as 30: a count is read
  // as the decimal digits it shows, then handed on in the form CLI11 reads.
  const CLI::Validator decimal(
      [option, unit, most, inRange](std::string& given) {
        unsigned value = 0;
        const char* const end = given.data() + given.size();
        const auto read = std::from_chars(given.data(), end, value);
        std::string plain = std::to_string(value);
        if (given.empty() || given.size() > 2 || read.ec != std::errc{} || read.ptr != end || !inRange(plain).empty()) {
          throw UsageError(fmt::format("{} {} is not a number of {} from 0 to {}", option, Quoted(given), unit, most));
        }
        given = std::move(plain);
        return std::string();
      },
      "0.." + std::to_string(most));
  return app.add_option_function<int>(option, [&count](int value) { count = value; })->transform(decimal);
}

}  // namespace tessarine::cli
