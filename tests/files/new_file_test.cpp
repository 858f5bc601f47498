#include "files/new_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <vector>

#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::FileSizeLimit;
using testing::ReadFile;
using testing::TempFolder;

using Writer = WrittenFile (*)(const std::filesystem::path&, std::string_view, std::string_view);

// Both ways of writing behave the same from outside.
class NewFileTest : public ::testing::TestWithParam<Writer> {
 protected:
  WrittenFile Write(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
    return GetParam()(folder, name, bytes);
  }
};

TEST_P(NewFileTest, ATakenNameGivesTheNextFreeOne) {
  TempFolder folder;
  const std::string names[] = {"a.ics", "a-2.ics", "a-3.ics"};
  for (int i = 0; i < 3; ++i) {
    const WrittenFile written = Write(folder.path(), "a.ics", "content " + std::to_string(i));
    ASSERT_FALSE(written.error) << written.error.message();
    EXPECT_EQ(written.path, folder.path() / names[i]);
    EXPECT_EQ(ReadFile(written.path), "content " + std::to_string(i));
  }
  EXPECT_EQ(ReadFile(folder.File("a.ics")), "content 0");  // never replaced
  EXPECT_EQ(folder.Count(), 3u);
}

TEST_P(NewFileTest, AFailedWriteLeavesNothingAndSaysWhy) {
  TempFolder folder;
  ASSERT_FALSE(Write(folder.path(), "old.ics", "old").error);
  {
    FileSizeLimit limit(1000);
    const WrittenFile written = Write(folder.path(), "new.ics", std::string(100000, 'x'));
    EXPECT_EQ(written.error, std::errc::file_too_large) << written.error.message();
  }
  EXPECT_EQ(ReadFile(folder.File("old.ics")), "old");
  EXPECT_EQ(folder.Count(), 1u);
}

TEST_P(NewFileTest, FailsForFoldersThatAreMissingOrNotFolders) {
  TempFolder folder;
  EXPECT_TRUE(Write(folder.path() / "missing", "a.ics", "x").error);
  std::ofstream(folder.File("plain")) << "x";
  EXPECT_TRUE(Write(folder.path() / "plain", "a.ics", "x").error);
  EXPECT_EQ(folder.Count(), 1u);
}

// File systems that refuse what the first way needs, as FAT (no unnamed
// files, no links) and exFAT (unnamed files that cannot be linked) do.
int Refuse(int error) {
  errno = error;
  return -1;
}
const FileSystemCalls kFat = {[](const char*, mode_t) { return Refuse(EOPNOTSUPP); },
                                  [](int, const char*, int, const char*, int) { return Refuse(EPERM); },
                                  kSystemCalls.renameNoReplace};
const FileSystemCalls kExfat = {kSystemCalls.openUnnamed,
                                    [](int, const char*, int, const char*, int) { return Refuse(EPERM); },
                                    kSystemCalls.renameNoReplace};
// FAT and exFAT through FUSE: no unnamed files, and neither a link nor a
// rename that refuses to replace.
const FileSystemCalls kFuse = {[](const char*, mode_t) { return Refuse(EOPNOTSUPP); },
                               [](int, const char*, int, const char*, int) { return Refuse(ENOSYS); },
                               [](const char*, const char*) { return Refuse(EINVAL); }};

// Without /proc (a chroot, some containers), an unnamed file cannot be
// linked by its /proc/self/fd name: the kernel says ENOENT (or ENOTDIR,
// where something else has the name /proc).
template <int kError>
int LinkWithoutProc(int from, const char* path, int to, const char* target, int flags) {
  if (std::string_view(path).starts_with("/proc/")) return Refuse(kError);
  return ::linkat(from, path, to, target, flags);
}
const FileSystemCalls kWithoutProc = {kSystemCalls.openUnnamed, LinkWithoutProc<ENOENT>, kSystemCalls.renameNoReplace};

// A file system without unnamed files but with links, as a network one may
// be: the file goes through a named temporary, the way every fallback takes.
const FileSystemCalls kNoUnnamedFiles = {[](const char*, mode_t) { return Refuse(EOPNOTSUPP); }, kSystemCalls.linkAt,
                                         kSystemCalls.renameNoReplace};

WrittenFile WriteThroughTemporary(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kNoUnnamedFiles, folder, name, WholeText(bytes));
}
WrittenFile WriteWithoutProc(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kWithoutProc, folder, name, WholeText(bytes));
}
WrittenFile WriteOnFuse(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kFuse, folder, name, WholeText(bytes));
}
WrittenFile WriteOnFat(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kFat, folder, name, WholeText(bytes));
}
WrittenFile WriteOnExfat(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kExfat, folder, name, WholeText(bytes));
}
std::string WayName(const ::testing::TestParamInfo<Writer>& info) {
  constexpr const char* kNames[] = {"Unnamed", "NamedTemporary", "OnFat", "OnExfat", "OnFuse", "WithoutProc"};
  return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(EveryWay, NewFileTest,
                         ::testing::Values(static_cast<Writer>(&WriteNewFile), &WriteThroughTemporary, &WriteOnFat, &WriteOnExfat,
                                           &WriteOnFuse, &WriteWithoutProc),
                         WayName);

// A killed run on such a file system leaves its temporary file; the next
// run removes it once the process that wrote it is gone, and nothing else.
TEST(NewFileTest, LeftoversOfGoneWritersAreRemoved) {
  TempFolder folder;
  constexpr pid_t kGone = 2147483646;  // above every pid_max
  const std::string gone = TemporaryName("Tessarine_2026_261209-101010.ics", kGone);
  const std::string running = TemporaryName("Tessarine_2027_261209-101010.ics", ::getpid());
  std::string unhidden = "b.ics.tessarine-";  // built by appending: GCC 12 warns wrongly on + here
  unhidden.append(std::to_string(kGone)).append("-abcdef");
  const std::vector<std::string> others = {".tessarine-notes", ".a.ics.tessarine-12x-abcdef", unhidden};
  for (const std::string* name : {&gone, &running, &others[0], &others[1], &others[2]}) {
    std::ofstream(folder.File(*name)) << "x";
  }
  ASSERT_FALSE(WriteNewFileUsing(kFat, folder.path(), "a.ics", WholeText("new")).error);
  EXPECT_FALSE(std::filesystem::exists(folder.File(gone)));
  EXPECT_TRUE(std::filesystem::exists(folder.File(running)));
  for (const auto& name : others) EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;
  EXPECT_EQ(ReadFile(folder.File("a.ics")), "new");
}

// Killed between reserving a name and renaming onto it: the empty
// reservation goes with its temporary, and a user's empty file stays.
TEST(NewFileTest, AKilledWritersReservationIsRemoved) {
  TempFolder folder;
  constexpr pid_t kGone = 2147483646;
  std::ofstream(folder.File(TemporaryName("a.ics", kGone))) << "full";
  std::ofstream(folder.File("a.ics")).flush();
  std::ofstream(folder.File("empty.ics")).flush();
  const WrittenFile written = WriteNewFileUsing(kFuse, folder.path(), "a.ics", WholeText("new"));
  ASSERT_FALSE(written.error);
  EXPECT_EQ(written.path, folder.File("a.ics"));
  EXPECT_EQ(ReadFile(folder.File("a.ics")), "new");
  EXPECT_TRUE(std::filesystem::exists(folder.File("empty.ics")));
  EXPECT_EQ(folder.Count(), 2u);
}

// Written ahead, named later: the name is the one free when it is named,
// and a file given up unnamed leaves nothing.
TEST(UnnamedFileTest, NamedWhenNamedAndNothingLeftWhenGivenUp) {
  TempFolder folder;
  UnnamedFile first = WriteUnnamed(kSystemCalls, folder.path(), WholeText("first"));
  { const UnnamedFile givenUp = WriteUnnamed(kSystemCalls, folder.path(), WholeText("given up")); }
  ASSERT_FALSE(WriteNewFile(folder.path(), "a.ics", "meanwhile").error);
  const WrittenFile named = NameNewFile(kSystemCalls, first, folder.path(), "a.ics");
  ASSERT_FALSE(named.error) << named.error.message();
  EXPECT_EQ(named.path, folder.File("a-2.ics"));
  EXPECT_EQ(ReadFile(named.path), "first");
  EXPECT_EQ(folder.Count(), 2u);
}

// A file written ahead where /proc is missing is named the other way, from
// its own bytes, leaving nothing else behind.
TEST(UnnamedFileTest, NamedThroughATemporaryWhereProcIsMissing) {
  const FileSystemCalls withoutProc[] = {
      kWithoutProc, {kSystemCalls.openUnnamed, LinkWithoutProc<ENOTDIR>, kSystemCalls.renameNoReplace}};
  for (const FileSystemCalls& calls : withoutProc) {
    TempFolder folder;
    ASSERT_FALSE(WriteNewFile(folder.path(), "a.ics", "before").error);
    UnnamedFile ahead = WriteUnnamed(calls, folder.path(), WholeText("ahead"));
    ASSERT_FALSE(ahead.Unsupported());
    const WrittenFile named = NameNewFile(calls, ahead, folder.path(), "a.ics");
    ASSERT_FALSE(named.error) << named.error.message();
    EXPECT_EQ(named.path, folder.File("a-2.ics"));
    EXPECT_EQ(ReadFile(named.path), "ahead");
    EXPECT_EQ(ReadFile(folder.File("a.ics")), "before");
    EXPECT_EQ(folder.Count(), 2u);
  }
}

TEST(NumberedNameTest, NumberGoesBeforeTheExtension) {
  EXPECT_EQ(NumberedName("Tessarine_2026_261208-223006.ics", 1), "Tessarine_2026_261208-223006.ics");
  EXPECT_EQ(NumberedName("Tessarine_2026_261208-223006.ics", 2), "Tessarine_2026_261208-223006-2.ics");
  EXPECT_EQ(NumberedName("plain", 3), "plain-3");
}

}  // namespace
}  // namespace tessarine
