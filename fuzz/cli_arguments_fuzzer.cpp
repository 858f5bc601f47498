// The command line with arbitrary arguments: every input is either carried
// out or refused with status 2 and one line on the error stream, never
// anything else. Commands that write files are left out.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"

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
  for (const auto& arg : args) {
    try {
      const cli::DateSpan span = cli::ParseDateArgument(arg);
      if (span.to < span.from) __builtin_trap();
    } catch (const cli::UsageError&) {
    }
    try {
      const YearRange years = cli::ParseYearRange({arg, args.front()});
      if (years.first() > years.last() || years.first() < YearRange::First || years.last() > YearRange::Last) {
        __builtin_trap();
      }
    } catch (const cli::UsageError&) {
    }
  }
  if (args.front() != "day" && args.front() != "expand") args.insert(args.begin(), "day");
  std::ostringstream out, err;
  const int status = cli::RunCli(args, out, err);
  if (status == 2) {
    const std::string message = err.str();
    if (message.empty() || message.find('\n') != message.size() - 1) __builtin_trap();
  } else if (status != 0) {
    __builtin_trap();
  }
  return 0;
}
