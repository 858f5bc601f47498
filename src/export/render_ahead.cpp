#include "export/render_ahead.h"

#include <pthread.h>

#include <csignal>

namespace tessarine {

RenderAhead::RenderAhead(int count, Render render)
    : count_(count), render_(std::move(render)), worker_([this] { Work(); }) {}

RenderAhead::~RenderAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

std::string& RenderAhead::Take(int index) {
  std::unique_lock lock(mutex_);
  if (rendered_ <= index && !error_) {
    writerWaitsFor_ = index + 1;
    changed_.wait(lock, [&] { return rendered_ > index || error_; });
    writerWaitsFor_ = -1;
  }
  if (error_ && rendered_ <= index) std::rethrow_exception(error_);
  // Taking file `index` means the writer is done with file index - 1.
  taken_ = index + 1;
  const bool wake = workerWaitsFor_ >= 0 && taken_ >= workerWaitsFor_;
  lock.unlock();
  if (wake) changed_.notify_all();
  return slots_[index % kSlots];
}

void RenderAhead::Work() {
  // Signals go to the writer's thread, which defers a termination while a
  // file is being written; were this thread to take one, the process would
  // end there and then.
  sigset_t all;
  sigfillset(&all);
  pthread_sigmask(SIG_BLOCK, &all, nullptr);
  for (int i = 0; i < count_; ++i) {
    {
      std::unique_lock lock(mutex_);
      // Slot i % kSlots held file i - kSlots, which the writer is done with
      // once it has taken the file after it: taken_ counts to that file's
      // index + 1. When all are in use, wait until half are free.
      if (i >= kSlots && taken_ < i - kSlots + 2) {
        workerWaitsFor_ = i - kSlots / 2;
        changed_.wait(lock, [&] { return stopping_ || taken_ >= workerWaitsFor_; });
        workerWaitsFor_ = -1;
      }
      if (stopping_) return;
    }
    bool wake = false;
    bool failed = false;
    try {
      render_(i, slots_[i % kSlots]);
      const std::lock_guard lock(mutex_);
      rendered_ = i + 1;
      wake = writerWaitsFor_ >= 0 && rendered_ >= writerWaitsFor_;
    } catch (...) {
      const std::lock_guard lock(mutex_);
      error_ = std::current_exception();
      wake = failed = true;
    }
    if (wake) changed_.notify_all();
    if (failed) return;
  }
}

}  // namespace tessarine
