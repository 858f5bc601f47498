// tessarine-cli's dispatch from a command's name to the command.
#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "version.h"

namespace tessarine::cli {

int RunCli(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << WithYears(kMainHelpFormat);
    return 2;
  }
  const std::string_view command = args.front();
  const Arguments rest(args.begin() + 1, args.end());
  if (command == "day") return RunDay(rest, out, err);
  if (command == "expand") return RunExpand(rest, out, err);
  if (command == "ics") return RunIcs(rest, out, err);
  if (command == "anniversaries") return RunAnniversaries(rest, out, err);
  if (command == "holidays") return RunHolidays(rest, out, err);
  if (command == "moon") return RunMoon(rest, out, err);
  if (command == "terms") return RunTerms(rest, out, err);
  if (command == "--help" || command == "-h" || command == "help") {
    out << WithYears(kMainHelpFormat);
    return 0;
  }
  if (command == "--version") {
    out << "tessarine-cli " << kVersion << "\n";
    return 0;
  }
  err << "tessarine-cli: unknown command " << Quoted(command) << " (try tessarine-cli --help)\n";
  return 2;
}

}  // namespace tessarine::cli
