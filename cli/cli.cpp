// tessarine-cli's parser: one CLI11 application whose subcommands are the
// commands, and the wording of what it refuses.
#include <map>
#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "version.h"

namespace tessarine::cli {
namespace {

struct Dispatch {
  CLI::App app;
  bool help = false, version = false;
  std::map<const CLI::App*, CommandRun> runs;

  Dispatch() {
    app.set_help_flag();  // the program's own help texts instead of CLI11's
    app.add_flag("-h,--help", help);
    app.add_flag("--version", version);
    // "help" as a command shows the same text, whatever follows it.
    app.add_subcommand("help")->allow_extras();
    Add("day", AddDay);
    Add("expand", AddExpand);
    Add("ics", AddIcs);
    Add("anniversaries", AddAnniversaries);
    Add("holidays", AddHolidays);
    Add("moon", AddMoon);
    Add("terms", AddTerms);
    // Set after the subcommands, which would otherwise take them over: the
    // first argument names the one command, and what comes before a
    // command's name is an unknown command, worded below.
    app.require_subcommand(0, 1);
    app.allow_extras();
  }

  void Add(const std::string& name, CommandRun (*add)(CLI::App&)) {
    CLI::App* command = app.add_subcommand(name);
    runs.emplace(command, add(*command));
  }

  // The command the arguments named, if they named one.
  const CLI::App* Command() const {
    const auto chosen = app.get_subcommands();
    return chosen.empty() ? nullptr : chosen.front();
  }
};

int Refuse(const CLI::App* command, std::string_view message, std::ostream& err) {
  err << "tessarine-cli" << (command ? " " + command->get_name() : std::string()) << ": " << EscapeControls(message)
      << "\n";
  return 2;
}

int UnknownCommand(std::string_view name, std::ostream& err) {
  err << "tessarine-cli: unknown command " << Quoted(name) << " (try tessarine-cli --help)\n";
  return 2;
}

}  // namespace

int RunCli(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << WithYears(kMainHelpFormat);
    return 2;
  }
  Dispatch dispatch;
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    dispatch.app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    if (dispatch.Command() == nullptr) return UnknownCommand(args.front(), err);
    return Refuse(dispatch.Command(), error.what(), err);
  } catch (const UsageError& error) {  // a validator's refusal, in the program's words
    const CLI::App* command = dispatch.Command();
    // Help asked for is shown whatever the values beside it: the run shows
    // the help before it reads anything else.
    if (command != nullptr && command->count("--help") > 0) return dispatch.runs.at(command)(out, err);
    return Refuse(command, error.what(), err);
  }
  const CLI::App* command = dispatch.Command();
  const auto extras = dispatch.app.remaining();
  if (!extras.empty() && extras.front() == args.front()) return UnknownCommand(args.front(), err);
  // --help and --version: the first given wins, and both end the run.
  if (dispatch.version && (!dispatch.help || args.front() == "--version")) {
    out << "tessarine-cli " << kVersion << "\n";
    return 0;
  }
  if (!dispatch.help && command == nullptr) return UnknownCommand(args.front(), err);  // "--" and the like
  if (dispatch.help || command->get_name() == "help") {
    out << WithYears(kMainHelpFormat);
    return 0;
  }
  try {
    return dispatch.runs.at(command)(out, err);
  } catch (const UsageError& error) {
    return Refuse(command, error.what(), err);
  }
}

}  // namespace tessarine::cli
