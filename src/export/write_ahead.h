// Makes a batch's files on both cores and hands them over in order. A
// second thread and the caller's thread each take the next file not yet
// started, compose its text and, where the batch writes new files, write
// it into an unnamed file; the caller names them one by one, in order, so
// every failure is reported at its file and the caller may stop after any
// file, as when the work was done in turn. While the next file in order is
// still being made, the caller makes a later one instead of waiting.
//
// Where no second thread can be started (the user's process limit reached,
// `ulimit -u`), the caller makes every file itself, in order: the same files,
// byte for byte, on one core.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "files/new_file.h"

namespace tessarine {

// One file of the batch as handed over: its text, and the unnamed file that
// holds it when the batch writes ahead.
struct AheadFile {
  std::string text;
  UnnamedFile file;
};

class WriteAhead {
 public:
  // `render(index, text)` fills `text` with file `index` of `count`; it runs
  // on either thread, so it may share nothing that changes.
  using Render = std::function<void(int index, std::string& text)>;
  // Writes a rendered text into an unnamed file, on either thread; none:
  // the caller writes the texts itself.
  using Write = std::function<UnnamedFile(const std::string& text)>;

  // Starts the second thread running `work`, or throws std::system_error as
  // std::thread does when the system has no thread to give; tests replace it.
  using StartThread = std::function<std::thread(std::function<void()> work)>;

  WriteAhead(int count, Render render, Write write = {}, const StartThread& start = {});
  // Stops and waits for the second thread; files not taken are dropped, and
  // their unnamed files with them.
  ~WriteAhead();
  WriteAhead(const WriteAhead&) = delete;
  WriteAhead& operator=(const WriteAhead&) = delete;

  // File `index`, taken in order from 0. It is the caller's until the next
  // call; an error thrown while making it is thrown here.
  AheadFile& Take(int index);

 private:
  // A place for one file in the making. File i is made in slot i % kSlots.
  struct Slot {
    AheadFile made;
    int index = -1;  // the file it holds, once made
    std::exception_ptr error;
  };

  void Work();
  // Whether file next_ may be started: its slot's last file has been given
  // up by the caller. Called with the lock held.
  bool MayStart() const;
  // Makes file `index` into its slot, the lock released meanwhile.
  void Make(int index, std::unique_lock<std::mutex>& lock);

  const int count_;
  const Render render_;
  const Write write_;
  // One slot for the file the caller holds and one for each thread to make
  // the next in: measured, more slots only spread the work over buffers that
  // have left the cache (eight took 1.40 times a copy, three 1.20), and two
  // keep one thread waiting.
  static constexpr int kSlots = 3;
  Slot slots_[kSlots];
  std::mutex mutex_;
  std::condition_variable changed_;
  int next_ = 0;   // the first file not started
  int taken_ = 0;  // files handed to the caller
  // What each side waits for, so that the other wakes it only then.
  bool workerWaits_ = false;  // for a free slot
  int callerWaitsFor_ = -1;   // for this file to be made
  bool stopping_ = false;
  std::thread worker_;  // last: it starts once everything above is ready; none when it could not
};

}  // namespace tessarine
