// Holds back Ctrl-C, SIGTERM and SIGHUP while a file is being written, so
// that an interrupted run ends between two files and never in the middle of
// one, where a named temporary file could be left behind. A signal that
// arrives meanwhile takes effect as soon as the guard ends.
#pragma once

#include <signal.h>

#include <initializer_list>

namespace tessarine::cli {

class DeferredSignals {
 public:
  DeferredSignals() {
    sigset_t deferred;
    sigemptyset(&deferred);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&deferred, signal);
    sigprocmask(SIG_BLOCK, &deferred, &previous_);
  }
  ~DeferredSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
  DeferredSignals(const DeferredSignals&) = delete;
  DeferredSignals& operator=(const DeferredSignals&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace tessarine::cli
