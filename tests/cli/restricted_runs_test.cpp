// tessarine-cli where the system allows less than usual: no second thread
// past the user's process limit, and a shared folder where another user
// has planted a link under the calendar's fixed name.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/cli_run.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::Cli;
using testing::ReadFile;
using testing::TempFolder;

constexpr uid_t kNobody = 65534;

// Leak checking at exit stops the world from a thread of its own, which
// the limit forbids; in a sanitizer build the child checks all else.
void AllowNoLeakCheckThread() {
  const char* options = std::getenv("ASAN_OPTIONS");
  const std::string joined = std::string(options ? options : "") + (options ? ":" : "") + "detect_leaks=0";
  ::setenv("ASAN_OPTIONS", joined.c_str(), 1);
}

// `ulimit -u 1`: the process may not start a thread. Root is not held to
// the limit, so as root the run is an ordinary user's.
int RunWithOneProcess(const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child == 0) {
    AllowNoLeakCheckThread();
    const rlimit one{1, 1};
    if (::setrlimit(RLIMIT_NPROC, &one) != 0) ::_exit(125);
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(125);
    std::vector<char*> argv{const_cast<char*>(TESSARINE_CLI)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(TESSARINE_CLI, argv.data());
    ::_exit(126);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(RestrictedRunTest, YearFilesAreWrittenWithoutASecondThread) {
  TempFolder folder;
  ::chmod(folder.path().c_str(), 0777);  // for the ordinary user root runs it as
  ASSERT_EQ(RunWithOneProcess({"ics", "2026", "2028", "--output", folder.path().string()}), 0);
  ASSERT_EQ(folder.Count(), 3u);
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_GE(testing::ParseCalendar(ReadFile(entry.path())).size(), 365u) << entry.path();
  }
}

// A root run in a shared folder (1777) where another user made
// Tessarine_2026.ics a link to root's private file: the file is left alone
// and the message names the link.
TEST(RestrictedRunTest, AnotherUsersLinkInASharedFolderIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "another user's link needs root to make";
  TempFolder root;
  const std::string shared = root.File("shared"), victim = root.File("important.txt");
  std::filesystem::create_directory(shared);
  ::chmod(shared.c_str(), 01777);
  std::ofstream(victim) << "secret";
  ::chmod(victim.c_str(), 0600);
  const std::string link = shared + "/Tessarine_2026.ics";
  std::filesystem::create_symlink(victim, link);
  ASSERT_EQ(::lchown(link.c_str(), kNobody, kNobody), 0);
  const auto run = Cli({"ics", "2026", "--fixed-name", "--output", shared});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot write " + link + ": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("another user"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(victim), "secret");
  struct stat status {};
  ::stat(victim.c_str(), &status);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
}

}  // namespace
}  // namespace tessarine
