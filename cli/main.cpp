// tessarine-cli: runs one command and makes sure that what it printed really
// reached standard output.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // A file past the user's size limit (ulimit -f) fails its write with
  // EFBIG, reported like any other write error, instead of killing us
  // without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  errno = 0;
  int status = 1;
  try {
    status = tessarine::cli::RunCli(args, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "tessarine-cli: out of memory\n";
    return 1;
  }
  std::cout.flush();
  // A full disk or a closed standard output loses the output: that is a
  // failure, not a success. (A closed pipe ends the program quietly through
  // SIGPIPE before it gets here.)
  if (!std::cout) {
    const int reason = errno != 0 ? errno : EIO;
    std::cerr << "tessarine-cli: cannot write to standard output: " << std::strerror(reason) << "\n";
    status = 1;
  }
  return status;
}
