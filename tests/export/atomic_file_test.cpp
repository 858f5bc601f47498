#include "export/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::FileSizeLimit;
using testing::ReadFile;
using testing::TempFolder;

TEST(AtomicFileTest, WritesAndReplaces) {
  TempFolder folder;
  const std::string path = folder.File("a.ics");
  ASSERT_FALSE(WriteFileAtomically(path, "first"));
  EXPECT_EQ(ReadFile(path), "first");
  ASSERT_FALSE(WriteFileAtomically(path, std::string("se\0cond", 7)));
  EXPECT_EQ(ReadFile(path), std::string("se\0cond", 7));
  EXPECT_EQ(folder.Count(), 1u);
}

TEST(AtomicFileTest, AFailedWriteLeavesNoPartialFileAndTheOldOneIntact) {
  TempFolder folder;
  const std::string path = folder.File("a.ics");
  ASSERT_FALSE(WriteFileAtomically(path, "old"));
  {
    FileSizeLimit limit(1000);
    const std::error_code error = WriteFileAtomically(path, std::string(100000, 'x'));
    EXPECT_EQ(error, std::errc::file_too_large) << error.message();
    EXPECT_TRUE(WriteFileAtomically(folder.File("new.ics"), std::string(100000, 'x')));
  }
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(folder.Count(), 1u);
}

TEST(AtomicFileTest, FailsForFoldersThatAreMissingOrNotFolders) {
  TempFolder folder;
  EXPECT_TRUE(WriteFileAtomically(folder.File("missing/a.ics"), "x"));
  std::ofstream(folder.File("plain")) << "x";
  EXPECT_TRUE(WriteFileAtomically(folder.File("plain/a.ics"), "x"));
  std::filesystem::create_directory(folder.File("taken.ics"));
  EXPECT_TRUE(WriteFileAtomically(folder.File("taken.ics"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("taken.ics")));
  EXPECT_EQ(folder.Count(), 2u);
}

}  // namespace
}  // namespace tessarine
