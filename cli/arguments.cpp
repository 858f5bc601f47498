#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "calendar/lunar_conversion.h"
#include "compose/template_engine.h"
#include "compose/utf8_text.h"

namespace tessarine::cli {
namespace {

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::optional<unsigned> Digits(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return {};
  }
  unsigned value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::chrono::sys_days ParseDate(std::string_view text) {
  std::optional<unsigned> year, month, day;
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    year = Digits(text.substr(0, 4));
    month = Digits(text.substr(5, 2));
    day = Digits(text.substr(8, 2));
  }
  const std::chrono::year_month_day ymd{std::chrono::year{static_cast<int>(year.value_or(0))},
                                        std::chrono::month{month.value_or(0)},
                                        std::chrono::day{day.value_or(0)}};
  if (!year || !month || !day || !ymd.ok()) {
    throw UsageError("invalid date " + Quoted(text) + ": expected a real date written YYYY-MM-DD");
  }
  const std::chrono::sys_days date{ymd};
  if (!IsDescribable(date)) {
    throw UsageError("date " + Quoted(text) + " is outside 1901-01-01..2050-12-31");
  }
  return date;
}

template <typename Value>
Value Choice(const ParsedArguments& parsed, std::string_view option,
             std::initializer_list<std::pair<std::string_view, Value>> choices) {
  const std::string given = *parsed.Value(option);
  for (const auto& [name, value] : choices) {
    if (name == given) return value;
  }
  std::string names;
  for (const auto& choice : choices) names += (names.empty() ? "" : ", ") + std::string(choice.first);
  throw UsageError("invalid value " + Quoted(given) + " for --" + std::string(option) + " (choose " +
                   names + ")");
}

}  // namespace

std::string IsoDate(std::chrono::sys_days date) {
  const std::chrono::year_month_day ymd{date};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  return text;
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

std::string TemplateArgument(std::string_view text) {
  if (text == "default") return std::string(DefaultTemplate);
  if (!IsValidUtf8(text)) throw UsageError("the template is not valid UTF-8 text");
  return std::string(text);
}

std::optional<std::string> ParsedArguments::Value(std::string_view name) const {
  const auto found = Options.find(name);
  if (found == Options.end()) return {};
  return found->second;
}

ParsedArguments ParseArguments(std::span<const std::string> args, const OptionSet& accepted) {
  ParsedArguments parsed;
  auto contains = [](const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      parsed.Positionals.insert(parsed.Positionals.end(), args.begin() + i + 1, args.end());
      break;
    }
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      parsed.Positionals.push_back(arg);
      continue;
    }
    const auto equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    if (name == "help" || contains(accepted.Switches, name)) {
      if (equals != std::string::npos) throw UsageError("option --" + name + " takes no value");
      parsed.Options[name] = "";
    } else if (contains(accepted.WithValue, name)) {
      if (equals != std::string::npos) {
        parsed.Options[name] = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        parsed.Options[name] = args[++i];
      } else {
        throw UsageError("option --" + name + " needs a value");
      }
    } else {
      throw UsageError("unknown option " + Quoted(arg));
    }
  }
  return parsed;
}

void ApplyFormatOptions(const ParsedArguments& parsed, SummaryOptions& options) {
  if (parsed.Has("mode")) {
    options.intDispMode = Choice<std::int32_t>(
        parsed, "mode", {{"date", 0}, {"month-date", 1}, {"festivals-terms", 2}, {"terms", 3}});
  }
  if (parsed.Has("both")) {
    options.intBothFT = Choice<std::int32_t>(parsed, "both", {{"festival", 0}, {"term", 1}, {"both", 2}});
  }
  options.bolNoFT = parsed.Has("no-festivals-terms");
  options.bolDongLa = !parsed.Has("plain-month-names");
}

}  // namespace tessarine::cli
