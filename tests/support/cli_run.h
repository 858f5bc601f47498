// tessarine-cli run in the test's own process: its status and what it wrote
// to each stream.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace tessarine::testing {

struct CliRun {
  int status;
  std::string out, err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = cli::RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace tessarine::testing
