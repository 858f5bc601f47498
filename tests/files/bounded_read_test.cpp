// Reading a user's file: only a regular file of at most kMostBytesRead,
// and never a wait for a named pipe's writer or an endless device.
#include "files/bounded_read.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "support/in_child.h"
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

int OutcomeOf(const FileBytes& read) {
  if (read.error == ReadRefusal::NotAFile) return NotAFile;
  if (read.error == ReadRefusal::TooLarge) return TooLarge;
  if (read.error) return OtherError;
  return read.bytes ? Bytes : Missing;
}

int InChild(const std::function<int()>& step) { return testing::InChild(step, OtherError, Hung); }

void Sized(const std::string& path, std::uintmax_t size) {
  std::ofstream(path) << "";
  std::filesystem::resize_file(path, size);  // sparse: no time spent writing
}

TEST(BoundedReadTest, OnlyARegularFileWithinTheLimitIsRead) {
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
      {"at the limit", [](const std::string& path) { Sized(path, kMostBytesRead); }, Bytes},
      {"past the limit", [](const std::string& path) { Sized(path, kMostBytesRead + 1); }, TooLarge},
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
    const int outcome = InChild([&path] { return OutcomeOf(ReadBoundedFile(path)); });
    EXPECT_STREQ(Name(outcome), Name(c.expected)) << c.name;
  }
}

TEST(BoundedReadTest, TheBytesAreTheFilesWhole) {
  TempFolder folder;
  const std::string path = folder.File("list.csv");
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "名称" + std::to_string(i) + ",三月初八\r\n";  // past one read's buffer
  std::ofstream(path, std::ios::binary) << text;
  const FileBytes read = ReadBoundedFile(path);
  ASSERT_FALSE(read.error) << read.error.message();
  EXPECT_EQ(read.bytes.value(), text);
}

}  // namespace
}  // namespace tessarine
