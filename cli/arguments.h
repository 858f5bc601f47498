// Parsing of tessarine-cli's arguments: dates, date ranges and options. Every
// failure is a UsageError whose message names the bad argument.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/summary_options.h"

namespace tessarine::cli {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An inclusive run of days; a single date is a span of one day.
struct DateSpan {
  std::chrono::sys_days From;
  std::chrono::sys_days To;
};

// A date as the command line writes it: "YYYY-MM-DD".
std::string IsoDate(std::chrono::sys_days date);

// "YYYY-MM-DD" or "FROM..TO", every date within 1901-01-01..2050-12-31.
DateSpan ParseDateArgument(std::string_view text);

// A template given on the command line; "default" is the default template.
// Text that is not valid UTF-8 is refused.
std::string TemplateArgument(std::string_view text);

// What one command accepts: option names (without "--") that take a value,
// and those that are plain switches.
struct OptionSet {
  std::vector<std::string_view> WithValue;
  std::vector<std::string_view> Switches;
};

struct ParsedArguments {
  std::vector<std::string> Positionals;
  std::map<std::string, std::string, std::less<>> Options;  // switches map to ""
  bool Has(std::string_view name) const { return Options.find(name) != Options.end(); }
  std::optional<std::string> Value(std::string_view name) const;
};

// Accepts "--name value", "--name=value" and "--" (everything after it is
// positional). "--help" is always accepted.
ParsedArguments ParseArguments(std::span<const std::string> args, const OptionSet& accepted);

// The normal-format options shared by day, expand and ics:
// --mode, --both, --no-festivals-terms, --plain-month-names.
inline const std::vector<std::string_view> kFormatValueOptions = {"mode", "both"};
inline const std::vector<std::string_view> kFormatSwitches = {"no-festivals-terms",
                                                              "plain-month-names"};
void ApplyFormatOptions(const ParsedArguments& parsed, SummaryOptions& options);

}  // namespace tessarine::cli
