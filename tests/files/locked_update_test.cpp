// Changing a text file under its lock: the change sees the file as it is
// now, and nothing is written that it refused, left as it was, or could not
// read; the lock itself is never taken through a link.
#include "files/locked_update.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>

#include "files/bounded_read.h"
#include "support/in_child.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(LockedUpdateTest, TheOutcomeSaysWhatIsOnDisk) {
  using Outcome = LockedUpdate::Outcome;
  const struct {
    const char* name;
    std::optional<std::string> before;  // nothing: no file
    std::function<ChangeOutcome(std::string&)> change;
    Outcome outcome;
    std::string bytes;  // reported, and on disk
  } cases[] = {
      {"a change", "a\n", [](std::string& b) { b += "b\n"; return ChangeOutcome::Apply; }, Outcome::Saved, "a\nb\n"},
      {"a new file", std::nullopt, [](std::string& b) { b += "a\n"; return ChangeOutcome::Apply; }, Outcome::Saved,
       "a\n"},
      {"the same text", "a\n", [](std::string&) { return ChangeOutcome::Apply; }, Outcome::Unchanged, "a\n"},
      {"refused", "a\n", [](std::string& b) { b += "x"; return ChangeOutcome::Refuse; }, Outcome::Refused, "a\n"},
      // An empty file made by the change is still a file: it is written.
      {"an empty new file", std::nullopt, [](std::string&) { return ChangeOutcome::Apply; }, Outcome::Saved, ""},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "sub" / "list.csv";
    if (c.before) {
      std::filesystem::create_directories(file.parent_path());
      std::ofstream(file, std::ios::binary) << *c.before;
    }
    const LockedUpdate update = UpdateLockedFile(file, c.change);
    ASSERT_FALSE(update.error) << c.name << ": " << update.error.message();
    EXPECT_EQ(update.outcome, c.outcome) << c.name;
    EXPECT_EQ(update.bytes, c.bytes) << c.name;
    EXPECT_EQ(std::filesystem::exists(file), c.before || c.outcome == Outcome::Saved) << c.name;
    if (std::filesystem::exists(file)) {
      EXPECT_EQ(ReadFile(file), c.bytes) << c.name;
    }
  }
}

// Many processes add a line each at once: every line is kept.
TEST(LockedUpdateTest, WritersAtTheSameTimeLoseNothing) {
  TempFolder folder;
  const std::filesystem::path file = folder.path() / "settings.ini";
  constexpr int kWriters = 8;
  std::vector<pid_t> children;
  for (int i = 0; i < kWriters; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      const LockedUpdate update = UpdateLockedFile(file, [i](std::string& bytes) {
        bytes += std::to_string(i) + "\n";
        return ChangeOutcome::Apply;
      });
      ::_exit(!update.error && update.outcome == LockedUpdate::Outcome::Saved ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  const std::string text = ReadFile(file);
  for (int i = 0; i < kWriters; ++i) EXPECT_NE(text.find(std::to_string(i) + "\n"), std::string::npos) << i;
  EXPECT_EQ(text.size(), 2u * kWriters);
}

// A link planted where the lock goes is not followed: the change fails and
// nothing is created where the link points.
TEST(LockedUpdateTest, TheLockIsNeverTakenThroughALink) {
  TempFolder folder;
  const std::filesystem::path list = folder.path() / "holidays.csv";
  const std::filesystem::path elsewhere = folder.path() / "elsewhere";
  std::filesystem::create_symlink(elsewhere, LockPath(list));
  const LockedUpdate update = UpdateLockedFile(list, [](std::string& bytes) {
    bytes += "x\n";
    return ChangeOutcome::Apply;
  });
  EXPECT_EQ(update.error, std::errc::too_many_symbolic_link_levels);
  EXPECT_FALSE(std::filesystem::exists(elsewhere));
  EXPECT_FALSE(std::filesystem::exists(list));
}

// A file that is a named pipe is no text to change: the change fails with
// the reason, at once, and nothing is written in its place.
TEST(LockedUpdateTest, AChangeToANamedPipeFailsWithoutWaiting) {
  enum { Refused, Other, Hung };
  TempFolder folder;
  const std::string path = folder.File("settings.ini");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  const int outcome = testing::InChild(
      [&path] {
        const LockedUpdate update = UpdateLockedFile(path, [](std::string& bytes) {
          bytes += "[General]\na=1\n";
          return ChangeOutcome::Apply;
        });
        return update.error == ReadRefusal::NotAFile ? Refused : Other;
      },
      Other, Hung);
  EXPECT_EQ(outcome, Refused);
  struct stat info {};
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace tessarine
