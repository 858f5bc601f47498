// Renders the texts of a batch's files on a second thread, a few files ahead
// of the writer: while year N is written, the years after it are composed. Writing stays on
// the caller's thread and in order, so every failure is reported, and the
// caller may stop after any file, as when the work was done in turn.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace tessarine {

class RenderAhead {
 public:
  // `render(index, text)` fills `text` with file `index` of `count`; it runs
  // on the second thread, so it may share nothing that changes.
  using Render = std::function<void(int index, std::string& text)>;

  RenderAhead(int count, Render render);
  // Stops rendering and waits for the thread; files not taken are dropped.
  ~RenderAhead();
  RenderAhead(const RenderAhead&) = delete;
  RenderAhead& operator=(const RenderAhead&) = delete;

  // Waits for the text of file `index`, taken in order from 0, and lets the
  // thread go on to the next file. The text is the caller's until the next
  // call; an error thrown while rendering is thrown here.
  std::string& Take(int index);

 private:
  void Work();

  const int count_;
  const Render render_;
  // File i is rendered into slot i % kSlots. Several slots let either side
  // run on without waking the other for every file: on this work a thread's
  // wake-up costs about as much as composing a year.
  static constexpr int kSlots = 8;
  std::string slots_[kSlots];
  std::mutex mutex_;
  std::condition_variable changed_;
  int rendered_ = 0;  // files ready
  int taken_ = 0;     // files handed to the writer
  // What each side waits for, so that the other wakes it only then: a
  // wake-up that finds nothing to do costs as much as one that does.
  int workerWaitsFor_ = -1;  // a count of files taken
  int writerWaitsFor_ = -1;  // a count of files rendered
  bool stopping_ = false;
  std::exception_ptr error_;
  std::thread worker_;  // last: it starts once everything above is ready
};

}  // namespace tessarine
