#include "export/write_ahead.h"

#include <pthread.h>

#include <csignal>
#include <system_error>

namespace tessarine {

WriteAhead::WriteAhead(int count, Render render, Write write, const StartThread& start)
    : count_(count), render_(std::move(render)), write_(std::move(write)) {
  try {
    worker_ = start ? start([this] { Work(); }) : std::thread([this] { Work(); });
  } catch (const std::system_error&) {
    // No thread to be had: Take makes each file in turn on the caller's.
  }
}

WriteAhead::~WriteAhead() {
  if (!worker_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

bool WriteAhead::MayStart() const {
  // The caller still holds the file it took last; those before it are given up.
  const int givenUp = taken_ > 0 ? taken_ - 1 : 0;
  return next_ < count_ && next_ < givenUp + kSlots;
}

void WriteAhead::Make(int index, std::unique_lock<std::mutex>& lock) {
  Slot& slot = slots_[index % kSlots];
  lock.unlock();
  std::exception_ptr error;
  try {
    render_(index, slot.made.text);
    slot.made.file = write_ ? write_(slot.made.text) : UnnamedFile{};
  } catch (...) {
    error = std::current_exception();
  }
  lock.lock();
  slot.index = index;
  slot.error = error;
}

AheadFile& WriteAhead::Take(int index) {
  std::unique_lock lock(mutex_);
  // Taking file `index` gives up file index - 1 and its slot.
  taken_ = index + 1;
  if (workerWaits_ && MayStart()) changed_.notify_all();
  Slot& slot = slots_[index % kSlots];
  while (slot.index != index) {
    if (next_ == index) {
      ++next_;
      Make(index, lock);
    } else if (MayStart()) {
      Make(next_++, lock);  // a later file while the second thread makes this one
    } else {
      callerWaitsFor_ = index;
      changed_.wait(lock, [&] { return slot.index == index; });
      callerWaitsFor_ = -1;
    }
  }
  if (slot.error) std::rethrow_exception(slot.error);
  return slot.made;
}

void WriteAhead::Work() {
  // Signals go to the caller's thread, which defers a termination while a
  // named temporary exists; were this thread to take one, the process would
  // end there and then.
  sigset_t all;
  sigfillset(&all);
  pthread_sigmask(SIG_BLOCK, &all, nullptr);
  std::unique_lock lock(mutex_);
  for (;;) {
    if (!stopping_ && next_ < count_ && !MayStart()) {
      workerWaits_ = true;
      changed_.wait(lock, [&] { return stopping_ || MayStart(); });
      workerWaits_ = false;
    }
    if (stopping_ || next_ >= count_) return;
    const int index = next_++;
    Make(index, lock);
    if (callerWaitsFor_ == index) {
      lock.unlock();
      changed_.notify_all();
      lock.lock();
    }
  }
}

}  // namespace tessarine
