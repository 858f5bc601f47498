// The command line's date and option parsing with arbitrary arguments: every
// input is either accepted or refused with a UsageError, never anything else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/lunar_conversion.h"
#include "cli/arguments.h"
#include "export/ical_text.h"

using namespace tessarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Arguments are separated by NUL bytes, as the system hands them over.
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  try {
    const auto parsed = cli::ParseArguments(
        args, {{"mode", "both", "output", "template"}, {"no-festivals-terms", "plain-month-names", "keep-spaces"}});
    SummaryOptions options;
    cli::ApplyFormatOptions(parsed, options);
    if (options.intDispMode < 0 || options.intDispMode > 3 || options.intBothFT < 0 || options.intBothFT > 2) {
      __builtin_trap();
    }
    for (const auto& positional : parsed.Positionals) {
      const cli::DateSpan span = cli::ParseDateArgument(positional);
      if (span.To < span.From || !IsDescribable(span.From) || !IsDescribable(span.To)) __builtin_trap();
    }
  } catch (const cli::UsageError&) {
  }
  for (const auto& arg : args) {
    try {
      ParseYearText(arg);
    } catch (const ConversionError&) {
    }
  }
  return 0;
}
