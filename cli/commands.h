// The commands of tessarine-cli. Each takes the arguments after its name and
// returns the exit status: 0 done, 1 a file could not be written, 2 bad usage.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tessarine::cli {

using Arguments = std::vector<std::string>;

int RunDay(const Arguments& args, std::ostream& out, std::ostream& err);
int RunExpand(const Arguments& args, std::ostream& out, std::ostream& err);
int RunIcs(const Arguments& args, std::ostream& out, std::ostream& err);
int RunAnniversaries(const Arguments& args, std::ostream& out, std::ostream& err);
int RunHolidays(const Arguments& args, std::ostream& out, std::ostream& err);
int RunMoon(const Arguments& args, std::ostream& out, std::ostream& err);
int RunTerms(const Arguments& args, std::ostream& out, std::ostream& err);

// Dispatches on the first argument, the command's name.
int RunCli(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tessarine::cli
