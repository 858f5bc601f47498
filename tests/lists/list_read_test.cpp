// Reading a user's file: only a regular file of at most kMostListBytes,
// and never a wait for a named pipe's writer or an endless device.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "lists/list_file.h"
#include "lists/settings_file.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::TempFolder;

// How a read ended, as a child process reports it in its exit status.
enum Outcome { Missing, Bytes, NotAFile, TooLarge, OtherError, Hung };

const char* Name(int outcome) {
  static const char* const kNames[] = {"missing", "bytes", "not a file", "too large", "other error", "hung"};
  return kNames[outcome];
}

int OutcomeOf(const std::variant<std::optional<std::string>, std::error_code>& read) {
  if (const auto* error = std::get_if<std::error_code>(&read)) {
    if (*error == make_error_code(ListReadRefusal::NotAFile)) return NotAFile;
    if (*error == make_error_code(ListReadRefusal::TooLarge)) return TooLarge;
    return OtherError;
  }
  return std::get<std::optional<std::string>>(read) ? Bytes : Missing;
}

// Runs `step` in a child process, so that a read that never ends fails the
// test instead of hanging it: the child is killed after ten seconds.
int InChild(const std::function<int()>& step) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(step());
  for (int waited = 0; waited < 1000; ++waited) {
    int status = 0;
    if (::waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : OtherError;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  return Hung;
}

void Sized(const std::string& path, std::uintmax_t size) {
  std::ofstream(path) << "";
  std::filesystem::resize_file(path, size);  // sparse: no time spent writing
}

TEST(ReadListBytesTest, OnlyARegularFileWithinTheLimitIsRead) {
  TempFolder folder;
  const auto file = [&folder](const char* name) { return folder.File(name); };
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> make;
    int expected;
  } cases[] = {
      {"missing", [](const std::string&) {}, Missing},
      {"list", [](const std::string& path) { std::ofstream(path) << "a,1-1\n"; }, Bytes},
      {"empty", [](const std::string& path) { std::ofstream(path) << ""; }, Bytes},
      {"at the limit", [](const std::string& path) { Sized(path, kMostListBytes); }, Bytes},
      {"past the limit", [](const std::string& path) { Sized(path, kMostListBytes + 1); }, TooLarge},
      {"named pipe", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); }, NotAFile},
      {"link to /dev/zero", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); },
       NotAFile},
      {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, NotAFile},
      {"link to a list",
       [&file](const std::string& path) {
         std::ofstream(file("target")) << "a,1-1\n";
         std::filesystem::create_symlink(file("target"), path);
       },
       Bytes},
  };
  int made = 0;
  for (const Case& c : cases) {
    const std::string path = file(("case" + std::to_string(++made)).c_str());
    c.make(path);
    const int outcome = InChild([&path] { return OutcomeOf(ReadListBytes(path)); });
    EXPECT_STREQ(Name(outcome), Name(c.expected)) << c.name;
  }
}

TEST(ReadListBytesTest, TheBytesAreTheFilesWhole) {
  TempFolder folder;
  const std::string path = folder.File("list.csv");
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "名称" + std::to_string(i) + ",三月初八\r\n";  // past one read's buffer
  std::ofstream(path, std::ios::binary) << text;
  const auto read = ReadListBytes(path);
  ASSERT_TRUE(std::holds_alternative<std::optional<std::string>>(read));
  EXPECT_EQ(std::get<std::optional<std::string>>(read).value(), text);
}

// A list that is a named pipe is no list to change: the change fails with
// the reason, at once, and nothing is written in its place.
TEST(ReadListBytesTest, AChangeToANamedPipeFailsWithoutWaiting) {
  TempFolder folder;
  const std::string path = folder.File("settings.ini");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  const int outcome = InChild([&path] {
    const std::error_code error = StoreSetting(path, "a", "1");
    return error == make_error_code(ListReadRefusal::NotAFile) ? NotAFile : OtherError;
  });
  EXPECT_STREQ(Name(outcome), Name(NotAFile));
  struct stat info {};
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace tessarine
