// Files composed on a second thread reach the writer whole and in order; an
// error while composing reaches the writer at that file, and a writer that
// stops early leaves nothing running.
#include "export/render_ahead.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <csignal>
#include <stdexcept>
#include <thread>

namespace tessarine {
namespace {

TEST(RenderAheadTest, EveryFileInOrderAcrossTheSlots) {
  constexpr int kCount = 50;  // several times the slots, so each is reused
  RenderAhead texts(kCount, [](int index, std::string& text) { text.assign(static_cast<std::size_t>(index) + 1, 'x'); });
  for (int index = 0; index < kCount; ++index) {
    std::string& text = texts.Take(index);
    // A slow writer: the other thread runs as far ahead as it may meanwhile,
    // and must still leave this text alone.
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    EXPECT_EQ(text.size(), static_cast<std::size_t>(index) + 1);
    text.clear();  // the writer may leave the slot as it likes
  }
}

TEST(RenderAheadTest, AnErrorReachesTheWriterAtItsFile) {
  RenderAhead texts(20, [](int index, std::string& text) {
    if (index == 12) throw std::runtime_error("no such year");
    text = std::to_string(index);
  });
  for (int index = 0; index < 12; ++index) EXPECT_EQ(texts.Take(index), std::to_string(index));
  EXPECT_THROW(texts.Take(12), std::runtime_error);
}

TEST(RenderAheadTest, StoppingEarlyRendersNoMoreThanTheSlotsAhead) {
  std::atomic<int> rendered = 0;
  {
    RenderAhead texts(1000, [&](int, std::string& text) {
      text = "year";
      ++rendered;
    });
    EXPECT_EQ(texts.Take(0), "year");
  }  // the writer stops after one file
  EXPECT_LT(rendered.load(), 20);
}

// A termination sent to the process must reach the writer's thread, which
// defers it while a file is written: the composing thread takes none.
TEST(RenderAheadTest, TheComposingThreadTakesNoSignals) {
  std::atomic<bool> blocked = false;
  RenderAhead texts(1, [&](int, std::string& text) {
    sigset_t mask;
    pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    blocked = sigismember(&mask, SIGTERM) == 1 && sigismember(&mask, SIGINT) == 1 && sigismember(&mask, SIGHUP) == 1;
    text = "year";
  });
  EXPECT_EQ(texts.Take(0), "year");
  EXPECT_TRUE(blocked);
}

}  // namespace
}  // namespace tessarine
