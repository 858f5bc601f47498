// Replacing follows a link only where the kernel would for this user, and
// replaces only a regular file, keeping its mode: a link another user plants
// in a shared folder, or a link to a device or a pipe, never turns a run
// into a writer of a file it was not meant to write.
#include "files/replace_file.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::ReadFile;
using testing::TempFolder;

constexpr uid_t kNobody = 65534;

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  ::lstat(path.c_str(), &status);
  return status.st_mode;
}

// A folder of `owner` with `mode`, as /tmp is (root's, 1777).
std::string Folder(const TempFolder& root, const std::string& name, uid_t owner, mode_t mode) {
  const std::string folder = root.File(name);
  std::filesystem::create_directory(folder);
  EXPECT_EQ(::chown(folder.c_str(), owner, owner), 0);
  EXPECT_EQ(::chmod(folder.c_str(), mode), 0);
  return folder;
}

// A link of `owner` at `link` to `target`.
void Link(const std::string& target, const std::string& link, uid_t owner) {
  std::filesystem::create_symlink(target, link);
  EXPECT_EQ(::lchown(link.c_str(), owner, owner), 0);
}

// A link named as the calendar file, pointing at a file only its owner may
// read: followed where the kernel would follow it for this user, refused,
// and named, elsewhere.
TEST(ReplaceFileTest, ALinkIsFollowedOnlyWhereTheKernelWould) {
  if (::geteuid() != 0) GTEST_SKIP() << "other users' links and folders need root to make";
  const struct {
    const char* what;
    uid_t folderOwner;
    mode_t folderMode;
    uid_t linkOwner;
    bool followed;
  } cases[] = {
      {"another user's link in a shared sticky folder", 0, 01777, kNobody, false},
      {"a third user's link in another's shared folder", kNobody, 01777, 1234, false},
      {"the shared folder owner's link", kNobody, 01777, kNobody, true},
      {"the running user's own link", kNobody, 01777, 0, true},
      {"a folder open to all but not sticky", 0, 0777, kNobody, true},
      {"a sticky folder only its owner writes", 0, 01755, kNobody, true},
  };
  for (const auto& c : cases) {
    TempFolder root;
    const std::string shared = Folder(root, "shared", c.folderOwner, c.folderMode);
    const std::string victim = root.File("important.txt"), link = shared + "/Tessarine_2026.ics";
    std::ofstream(victim) << "secret";
    ::chmod(victim.c_str(), 0600);
    Link(victim, link, c.linkOwner);
    const WrittenFile written = ReplaceFile(link, "calendar");
    if (c.followed) {
      EXPECT_FALSE(written.error) << c.what << ": " << written.error.message();
      EXPECT_EQ(ReadFile(victim), "calendar") << c.what;
    } else {
      EXPECT_EQ(written.error, make_error_code(ReplaceRefusal::ForeignLink)) << c.what;
      EXPECT_EQ(written.path, link) << c.what;
      EXPECT_EQ(ReadFile(victim), "secret") << c.what;
    }
    EXPECT_EQ(ModeOf(victim), S_IFREG | 0600) << c.what;
    EXPECT_TRUE(S_ISLNK(ModeOf(link))) << c.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared), {}), 1) << c.what;
    EXPECT_EQ(root.Count(), 2u) << c.what;  // no temporary beside the victim either
  }
}

// Every link on the way is checked: the running user's own link to another
// user's link in a shared folder stops there, naming that second link.
TEST(ReplaceFileTest, ALinkReachedThroughAnotherIsCheckedToo) {
  if (::geteuid() != 0) GTEST_SKIP() << "other users' links need root to make";
  TempFolder root;
  const std::string shared = Folder(root, "shared", 0, 01777);
  const std::string victim = root.File("important.txt"), planted = shared + "/planted";
  std::ofstream(victim) << "secret";
  Link(victim, planted, kNobody);
  Link(planted, root.File("mine.ics"), 0);
  const WrittenFile written = ReplaceFile(root.File("mine.ics"), "calendar");
  EXPECT_EQ(written.error, make_error_code(ReplaceRefusal::ForeignLink));
  EXPECT_EQ(written.path, planted);
  EXPECT_EQ(ReadFile(victim), "secret");
}

// A named pipe, a socket or a device is refused and left as it is, named
// directly or through a link; a folder is refused as before.
TEST(ReplaceFileTest, OnlyARegularFileIsReplaced) {
  TempFolder folder;
  const std::string pipe = folder.File("pipe"), socket = folder.File("socket"), device = folder.File("null");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
  const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socket.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  std::vector<std::string> specials = {pipe, socket};
  // A container may forbid making devices: the others stand for it there.
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) specials.push_back(device);
  for (const std::string& special : specials) {
    const mode_t before = ModeOf(special);
    const std::string link = special + ".ics";
    std::filesystem::create_symlink(special, link);
    for (const std::string& path : {special, link}) {
      const WrittenFile written = ReplaceFile(path, "calendar");
      EXPECT_EQ(written.error, make_error_code(ReplaceRefusal::NotAFile)) << path;
      EXPECT_EQ(ModeOf(special), before) << path;
    }
  }
  ::close(listening);
  std::filesystem::create_directory(folder.File("folder"));
  EXPECT_EQ(ReplaceFile(folder.File("folder"), "calendar").error, std::errc::is_a_directory);
  EXPECT_EQ(folder.Count(), specials.size() * 2 + 1);  // no temporary left
}

// The new file has the old one's mode, whatever the umask, directly or
// through a link; while it is written, it is open to no one the old file
// was closed to.
TEST(ReplaceFileTest, TheModeIsKeptAndNeverWidened) {
  const mode_t previous = ::umask(022);
  for (const mode_t mode : {0600, 0640, 0664, 0755}) {
    TempFolder folder;
    const std::string file = folder.File("a.ics"), link = folder.File("link.ics");
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), mode);
    std::filesystem::create_symlink("a.ics", link);
    for (const std::string& path : {file, link}) {
      mode_t whileWritten = 0;
      bool given = false;
      const WrittenFile written = ReplaceFile(path, [&]() -> std::string_view {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
          if (WriterOf(entry.path().filename().string()) != 0) whileWritten = ModeOf(entry.path()) & 07777;
        }
        return std::exchange(given, true) ? "" : "new";
      });
      ASSERT_FALSE(written.error) << written.error.message();
      EXPECT_EQ(ModeOf(file), S_IFREG | mode) << path;
      EXPECT_EQ(whileWritten & ~mode, 0u) << std::oct << whileWritten << " for " << mode;
      EXPECT_EQ(ReadFile(file), "new");
    }
  }
  ::umask(previous);
}

// A link is followed, the target keeps its mode, and a read-only target is
// refused and left as it was.
TEST(ReplaceFileTest, TheUsersFileIsReplacedAsTheUserKeepsIt) {
  TempFolder folder;
  const std::string target = folder.File("target.csv"), link = folder.File("link.csv");
  std::ofstream(target) << "old";
  ::chmod(target.c_str(), 0600);
  std::filesystem::create_symlink("target.csv", link);
  ASSERT_FALSE(ReplaceFile(link, "new").error);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(target), "new");
  struct stat info {};
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0600u);

  ::chmod(target.c_str(), 0444);
  EXPECT_EQ(ReplaceFile(link, "newer").error, make_error_code(ReplaceRefusal::ReadOnly));
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_EQ(folder.Count(), 2u);
}

// Replacing removes a killed run's temporary, as writing a new file does.
TEST(ReplaceFileTest, LeftoversOfGoneWritersAreRemoved) {
  TempFolder folder;
  std::ofstream(folder.File(TemporaryName("list.csv", 2147483646))) << "half";
  ASSERT_FALSE(ReplaceFile(folder.path() / "list.csv", "whole").error);
  EXPECT_EQ(folder.Count(), 1u);
}

}  // namespace
}  // namespace tessarine
