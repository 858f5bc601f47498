// Holds back Ctrl-C, SIGTERM and SIGHUP while a file is being written, so
// that an interrupted run ends between two files and never in the middle of
// one, where a named temporary file could be left behind. A signal that
// arrives meanwhile takes effect as soon as the guard ends. Only the calling
// thread's mask changes, so the window's other threads are untouched.
#pragma once

#include <pthread.h>
#include <signal.h>

#include <initializer_list>

namespace tessarine {

class DeferredSignals {
 public:
  DeferredSignals() {
    sigset_t deferred;
    sigemptyset(&deferred);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&deferred, signal);
    pthread_sigmask(SIG_BLOCK, &deferred, &previous_);
  }
  ~DeferredSignals() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  DeferredSignals(const DeferredSignals&) = delete;
  DeferredSignals& operator=(const DeferredSignals&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace tessarine
