// The commands of tessarine-cli. Each takes the arguments after its name and
// returns the exit status: 0 done, 1 a file could not be written, 2 bad usage.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace tessarine::cli {

int RunDay(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunExpand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunIcs(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Dispatches on the first argument, the command's name.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace tessarine::cli
