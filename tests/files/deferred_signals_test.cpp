// Holding back a termination while a file is written: the run ends after
// the write, never in the middle of it.
#include "files/deferred_signals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessarine {
namespace {

// A SIGTERM that arrives while a file is written takes effect only once the
// file is done: the process goes on to the end of the write, then ends.
TEST(DeferredSignalsTest, ATerminationWaitsForTheWrite) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    {
      const DeferredSignals deferred;
      ::kill(::getpid(), SIGTERM);
      (void)!::write(pipeEnds[1], "w", 1);  // still here: the write goes on
    }
    ::_exit(0);  // never reached: the signal ends the process here
  }
  ::close(pipeEnds[1]);
  char byte = 0;
  EXPECT_EQ(::read(pipeEnds[0], &byte, 1), 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  ::close(pipeEnds[0]);
}

}  // namespace
}  // namespace tessarine
