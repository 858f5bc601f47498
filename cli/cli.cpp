#include <string_view>

#include "cli/commands.h"
#include "cli/help.h"

namespace tessarine::cli {

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kMainHelp;
    return 2;
  }
  const std::string_view command = args.front();
  const auto rest = args.subspan(1);
  if (command == "day") return RunDay(rest, out, err);
  if (command == "expand") return RunExpand(rest, out, err);
  if (command == "ics") return RunIcs(rest, out, err);
  if (command == "--help" || command == "-h" || command == "help") {
    out << kMainHelp;
    return 0;
  }
  err << "tessarine-cli: unknown command '" << command << "' (try tessarine-cli --help)\n";
  return 2;
}

}  // namespace tessarine::cli
