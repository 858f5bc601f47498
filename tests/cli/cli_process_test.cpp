// tessarine-cli as a real process: its output streams, signals, and two runs
// writing into one folder at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>

#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::ReadFile;
using testing::TempFolder;

struct ShellRun {
  int status;
  std::string err;
};

// Runs a shell command line with the program's path as $CLI; returns the
// exit status and what went to standard error.
ShellRun Shell(const std::string& line) {
  TempFolder folder;
  const std::string command = "CLI='" TESSARINE_CLI "'; " + line + " 2>" + folder.File("err");
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(folder.File("err"))};
}

TEST(CliProcessTest, LostOutputIsAnErrorAndAClosedPipeIsQuiet) {
  const char* const lost[] = {
      "\"$CLI\" day 2023-01-01 >/dev/full",
      "\"$CLI\" expand LD 2023-01-01..2023-12-31 >/dev/full",
      "\"$CLI\" day 2023-01-01 >&-",
  };
  for (const char* line : lost) {
    const ShellRun run = Shell(line);
    EXPECT_EQ(run.status, 1) << line;
    EXPECT_TRUE(run.err.starts_with("tessarine-cli: cannot write to standard output")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  // The braces give the whole pipeline's error stream to Shell, not head's
  // alone; std::system's sh has no pipefail.
  const ShellRun piped = Shell("{ \"$CLI\" day 1901-01-01..2100-12-31 | head -1 >/dev/null; }");
  EXPECT_EQ(piped.err, "");
}

// A notice piped in is read no further than a notice file: endless input
// is refused at the limit instead of filling the memory.
TEST(CliProcessTest, AnEndlessNoticeOnStandardInputIsRefused) {
  const ShellRun run = Shell("\"$CLI\" holidays --import - --dry-run </dev/zero");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("cannot read standard input: larger than 10 MB"), std::string::npos) << run.err;
}

// Past the user's file size limit a write fails with a message: the
// signal that would end the program silently is ignored.
TEST(CliProcessTest, AFileSizeLimitIsAWriteError) {
  TempFolder folder;
  const ShellRun run = Shell("ulimit -f 10; \"$CLI\" ics 2026 --output '" + folder.path().string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
  EXPECT_EQ(folder.Count(), 0u);
}

// A fixed name is replaced by the next run, in one step: one file, no
// temporary left, the new content.
TEST(CliProcessTest, AFixedNameIsReplaced) {
  TempFolder folder;
  const std::string into = " --output '" + folder.path().string() + "' >/dev/null";
  EXPECT_EQ(Shell("\"$CLI\" ics 2026 --fixed-name" + into).status, 0);
  EXPECT_EQ(Shell("\"$CLI\" ics 2026 --fixed-name --template 'LD LD'" + into).status, 0);
  ASSERT_EQ(folder.Count(), 1u);
  const auto titles = testing::ParseCalendar(ReadFile(folder.File("Tessarine_2026.ics")));
  EXPECT_EQ(titles.at("20260101"), "十三 十三");
}

TEST(CliProcessTest, TwoRunsInTheSameSecondKeepBothFiles) {
  TempFolder folder;
  const std::string ics = "\"$CLI\" ics 2026 --output '" + folder.path().string() + "' >/dev/null";
  EXPECT_EQ(Shell(ics + " & " + ics + " & wait").status, 0);
  ASSERT_EQ(folder.Count(), 2u);
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_EQ(testing::ParseCalendar(ReadFile(entry.path())).size(), 365u) << entry.path();
  }
}

// Interrupted at random moments, a 150-year run leaves only whole files.
TEST(CliProcessTest, InterruptedRunsLeaveNoStrayFiles) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> delay(0, 40);
  for (int i = 0; i < 12; ++i) {
    TempFolder folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::freopen("/dev/null", "w", stdout);
      execl(TESSARINE_CLI, TESSARINE_CLI, "ics", "1901", "2050", "--output", folder.path().c_str(), nullptr);
      _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
    kill(child, i % 2 == 0 ? SIGINT : SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      const std::string name = entry.path().filename().string();
      ASSERT_TRUE(name.starts_with("Tessarine_") && name.ends_with(".ics")) << name;
      const std::string bytes = ReadFile(entry.path());
      ASSERT_TRUE(bytes.ends_with("END:VCALENDAR\r\n")) << name;
    }
  }
}

}  // namespace
}  // namespace tessarine
