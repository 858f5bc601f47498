// Files made on two threads reach the caller whole and in order, with the
// unnamed files written for them; an error while making one reaches the
// caller at that file, and a caller that stops early leaves nothing running.
// Where no second thread can be had, the caller makes the same files alone.
#include "export/write_ahead.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <csignal>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(WriteAheadTest, EveryFileInOrderAcrossTheSlots) {
  constexpr int kCount = 50;  // several times the slots, so each is reused
  WriteAhead files(kCount, [](int index, std::string& text) { text.assign(static_cast<std::size_t>(index) + 1, 'x'); });
  for (int index = 0; index < kCount; ++index) {
    std::string& text = files.Take(index).text;
    // A slow caller: the other thread runs as far ahead as it may meanwhile,
    // and must still leave this text alone.
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    EXPECT_EQ(text.size(), static_cast<std::size_t>(index) + 1);
    text.clear();  // the caller may leave the slot as it likes
  }
}

// Each file is written where it is made, and named by the caller in order,
// whichever thread made it.
TEST(WriteAheadTest, FilesWrittenAheadAreNamedInOrder) {
  TempFolder folder;
  constexpr int kCount = 40;
  WriteAhead files(
      kCount, [](int index, std::string& text) { text = "file " + std::to_string(index); },
      [&](const std::string& text) { return WriteUnnamed(kSystemCalls, folder.path(), WholeText(text)); });
  for (int index = 0; index < kCount; ++index) {
    AheadFile& made = files.Take(index);
    const WrittenFile named = NameNewFile(kSystemCalls, made.file, folder.path(), "f.ics");
    ASSERT_FALSE(named.error) << named.error.message();
    EXPECT_EQ(ReadFile(named.path), "file " + std::to_string(index));
    EXPECT_EQ(named.path, folder.File(NumberedName("f.ics", index + 1)));
  }
}

TEST(WriteAheadTest, AnErrorReachesTheCallerAtItsFile) {
  WriteAhead files(20, [](int index, std::string& text) {
    if (index == 12) throw std::runtime_error("no such year");
    text = std::to_string(index);
  });
  for (int index = 0; index < 12; ++index) EXPECT_EQ(files.Take(index).text, std::to_string(index));
  EXPECT_THROW(files.Take(12), std::runtime_error);
}

TEST(WriteAheadTest, StoppingEarlyMakesNoMoreThanTheSlotsAhead) {
  TempFolder folder;
  std::atomic<int> made = 0;
  {
    WriteAhead files(
        1000,
        [&](int, std::string& text) {
          text = "year";
          ++made;
        },
        [&](const std::string& text) { return WriteUnnamed(kSystemCalls, folder.path(), WholeText(text)); });
    EXPECT_EQ(files.Take(0).text, "year");
  }  // the caller stops after one file
  EXPECT_LT(made.load(), 20);
  EXPECT_EQ(folder.Count(), 0u);  // the files written ahead had no names
}

// A termination sent to the process must reach the caller's thread, which
// defers it while a named temporary exists: the second thread takes none.
TEST(WriteAheadTest, TheSecondThreadTakesNoSignals) {
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<int> unblocked = 0, onSecond = 0;
  {
    WriteAhead files(50, [&](int, std::string& text) {
      text = "year";
      if (std::this_thread::get_id() == caller) return;
      sigset_t mask;
      pthread_sigmask(SIG_BLOCK, nullptr, &mask);
      ++onSecond;
      if (sigismember(&mask, SIGTERM) != 1 || sigismember(&mask, SIGINT) != 1 || sigismember(&mask, SIGHUP) != 1) {
        ++unblocked;
      }
    });
    for (int index = 0; index < 50; ++index) {
      files.Take(index);
      std::this_thread::sleep_for(std::chrono::microseconds(100));  // leaves the second thread work to do
    }
  }
  EXPECT_GT(onSecond.load(), 0);
  EXPECT_EQ(unblocked.load(), 0);
}

// Past the user's process limit (`ulimit -u`) std::thread throws instead of
// starting: the caller makes every file itself, the same bytes in the same
// order as with two threads.
TEST(WriteAheadTest, WithoutASecondThreadTheCallerMakesEveryFileItself) {
  const WriteAhead::StartThread refused = [](std::function<void()>) -> std::thread {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  };
  constexpr int kCount = 12;
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<int> elsewhere = 0;
  const auto render = [&](int index, std::string& text) {
    text = "year " + std::to_string(index);
    if (std::this_thread::get_id() != caller) ++elsewhere;
  };
  TempFolder alone, both;
  for (const auto& [folder, start] : {std::pair{&alone, refused}, std::pair{&both, WriteAhead::StartThread()}}) {
    elsewhere = 0;
    WriteAhead files(
        kCount, render,
        [folder](const std::string& text) { return WriteUnnamed(kSystemCalls, folder->path(), WholeText(text)); },
        start);
    for (int index = 0; index < kCount; ++index) {
      const WrittenFile named = NameNewFile(kSystemCalls, files.Take(index).file, folder->path(), "f.ics");
      ASSERT_FALSE(named.error) << named.error.message();
    }
    if (folder == &alone) {
      EXPECT_EQ(elsewhere.load(), 0);
    }
  }
  for (int index = 0; index < kCount; ++index) {
    const std::string name = NumberedName("f.ics", index + 1);
    EXPECT_EQ(ReadFile(alone.File(name)), "year " + std::to_string(index));
    EXPECT_EQ(ReadFile(alone.File(name)), ReadFile(both.File(name)));
  }
  EXPECT_EQ(alone.Count(), static_cast<std::size_t>(kCount));
}

}  // namespace
}  // namespace tessarine
