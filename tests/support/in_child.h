// Running a step that might wait forever (on a named pipe's writer, on an
// endless device) in a child process, so that such a wait fails the test
// instead of hanging it.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

namespace tessarine::testing {

// The child's exit status (what `step` returned); `crashed` when it did not
// exit, and `hung` when it had not ended after ten seconds and was killed.
inline int InChild(const std::function<int()>& step, int crashed, int hung) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(step());
  for (int waited = 0; waited < 1000; ++waited) {
    int status = 0;
    if (::waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : crashed;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  return hung;
}

}  // namespace tessarine::testing
