// A temporary is a leftover only when no run holds its lock: another run's,
// in a container or on another machine where its process id means nothing
// here, stays while that run writes it; a killed run's goes.
#include "files/temporary_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::TempFolder;

constexpr pid_t kGone = 2147483646;  // above every pid_max: no process here has it

// Another run, as another PID namespace or machine shows it: a process
// holding the lock on `path` until it is killed.
class OtherRun {
 public:
  explicit OtherRun(const std::string& path) {
    int locked[2];
    EXPECT_EQ(::pipe(locked), 0);
    pid_ = ::fork();
    if (pid_ == 0) {
      const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
      if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(1);
      (void)!::write(locked[1], "l", 1);
      for (;;) ::pause();
    }
    ::close(locked[1]);
    char byte = 0;
    EXPECT_EQ(::read(locked[0], &byte, 1), 1);
    ::close(locked[0]);
  }
  ~OtherRun() { End(); }
  OtherRun(const OtherRun&) = delete;
  OtherRun& operator=(const OtherRun&) = delete;

  void End() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
};

bool Exists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

TEST(LeftoversTest, AnotherRunsLockedTemporaryStaysUntilThatRunEnds) {
  TempFolder folder;
  const std::string temporary = folder.File(TemporaryName("a.ics", kGone));
  std::ofstream(temporary) << "half";
  std::ofstream(folder.File("a.ics")).flush();  // the name it reserved
  OtherRun other(temporary);
  RemoveLeftovers(folder.path());
  EXPECT_TRUE(Exists(temporary));
  EXPECT_TRUE(Exists(folder.File("a.ics")));
  other.End();  // killed: nothing holds the lock any more
  RemoveLeftovers(folder.path());
  EXPECT_FALSE(Exists(temporary));
  EXPECT_FALSE(Exists(folder.File("a.ics")));
}

// The lock is taken as the temporary is created and held until it is
// closed: a run whose process id cannot be seen keeps its temporary.
TEST(LeftoversTest, ATemporaryIsLockedUntilItIsClosed) {
  TempFolder folder;
  const OpenTemporary created = CreateTemporary(folder.path(), "a.ics", 0666);
  ASSERT_FALSE(created.error) << created.error.message();
  const std::string seenElsewhere = folder.File(TemporaryName("a.ics", kGone));
  ASSERT_EQ(::rename(created.path.c_str(), seenElsewhere.c_str()), 0);
  RemoveLeftovers(folder.path());
  EXPECT_TRUE(Exists(seenElsewhere));
  ::close(created.fd);
  RemoveLeftovers(folder.path());
  EXPECT_FALSE(Exists(seenElsewhere));
}

// Only what a killed run leaves is removed: its regular temporary file, and
// the empty regular file of its own that reserved the name. A pipe or a link
// under a temporary's name, a reservation that is a link, and another
// user's empty file stay.
TEST(LeftoversTest, OnlyAKilledRunsOwnFilesAreRemoved) {
  if (::geteuid() != 0) GTEST_SKIP() << "another user's file needs root to make";
  TempFolder folder;
  const auto temporaryOf = [&](const char* name) { return folder.File(TemporaryName(name, kGone)); };
  const std::string pipe = temporaryOf("pipe.ics"), link = temporaryOf("link.ics");
  const std::string reservedByLink = temporaryOf("linked.ics"), reservedByOther = temporaryOf("theirs.ics");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
  std::ofstream(folder.File("empty.ics")).flush();
  std::filesystem::create_symlink("empty.ics", link);
  std::ofstream(reservedByLink) << "half";
  std::filesystem::create_symlink("empty.ics", folder.File("linked.ics"));
  std::ofstream(reservedByOther) << "half";
  std::ofstream(folder.File("theirs.ics")).flush();
  ASSERT_EQ(::chown(folder.File("theirs.ics").c_str(), 65534, 65534), 0);
  RemoveLeftovers(folder.path());
  for (const std::string& kept : {pipe, link, folder.File("empty.ics"), folder.File("linked.ics"),
                                  folder.File("theirs.ics")}) {
    EXPECT_TRUE(Exists(kept)) << kept;
  }
  EXPECT_FALSE(Exists(reservedByLink));
  EXPECT_FALSE(Exists(reservedByOther));
}

}  // namespace
}  // namespace tessarine
