// The commands of tessarine-cli, each a subcommand of one CLI11 parser.
// A command adds its options and arguments to its subcommand and returns
// the run that reads them once they are parsed.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tessarine::cli {

using Arguments = std::vector<std::string>;

// A parsed command's run: the exit status, 0 done, 1 a file could not be
// written, 2 bad usage. What it refuses it throws as a UsageError, which
// the dispatcher words as the command's one line.
using CommandRun = std::function<int(std::ostream& out, std::ostream& err)>;

CommandRun AddDay(CLI::App& command);
CommandRun AddExpand(CLI::App& command);
CommandRun AddIcs(CLI::App& command);
CommandRun AddAnniversaries(CLI::App& command);
CommandRun AddHolidays(CLI::App& command);
CommandRun AddMoon(CLI::App& command);
CommandRun AddTerms(CLI::App& command);

// Runs the command named by the first argument with the arguments after it.
int RunCli(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tessarine::cli
