#include "lists/list_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "lists/holiday_list.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::ReadFile;
using testing::TempFolder;

HolidaySchedule OneDay(int year) {
  using namespace std::chrono;
  return {year, {{sys_days{std::chrono::year{year} / 1 / 1}, HolidayKind::DayOff, "元旦"}}};
}

// Many processes store a year each at once: every year is kept.
TEST(ListFileTest, WritersAtTheSameTimeLoseNothing) {
  TempFolder folder;
  const std::filesystem::path list = folder.path() / "holidays.csv";
  constexpr int kWriters = 8;
  std::vector<pid_t> children;
  for (int i = 0; i < kWriters; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      const auto update = UpdateListFile(list, [&](LoadedList& current) {
        StoreSchedule(current.document, OneDay(2030 + i), Region::China);
        return ChangeOutcome::Apply;
      });
      ::_exit(update && update->outcome == LockedUpdate::Outcome::Saved ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  const auto loaded = LoadList(ReadFile(list));
  EXPECT_EQ(ReadHolidayList(loaded.value().document).years.size(), static_cast<std::size_t>(kWriters));
}

TEST(ListFileTest, ARefusedChangeOrAFileThatIsNoListWritesNothing) {
  TempFolder folder;
  const std::filesystem::path list = folder.path() / "a.csv";
  std::ofstream(list) << "a,1-1\n\"never closed\n";
  const auto apply = [](LoadedList& current) {
    AppendRow(current.document);
    SetLeadingFields(current.document, current.document.records.size() - 1, {"x", "1-1"});
    return ChangeOutcome::Apply;
  };
  const auto notAList = UpdateListFile(list, apply);
  ASSERT_FALSE(notAList.has_value());
  EXPECT_EQ(notAList.error().kind, ListUpdateError::Kind::NotAList);
  EXPECT_EQ(notAList.error().problem.kind, ListProblem::Kind::UnclosedQuote);
  EXPECT_EQ(notAList.error().problem.line, 2);
  std::ofstream(list) << "a,1-1\n";
  const auto refused = UpdateListFile(list, [](LoadedList&) { return ChangeOutcome::Refuse; });
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->outcome, LockedUpdate::Outcome::Refused);
  EXPECT_EQ(refused->bytes, "a,1-1\n");
  EXPECT_EQ(ReadFile(list), "a,1-1\n");
  const auto saved = UpdateListFile(list, apply);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->outcome, LockedUpdate::Outcome::Saved);
  EXPECT_EQ(saved->bytes, "a,1-1\n\"x\",\"1-1\"\n");
  EXPECT_EQ(ReadFile(list), "a,1-1\n\"x\",\"1-1\"\n");
}

// A list in a folder that cannot be made fails with the system's reason,
// and nothing is written.
TEST(ListFileTest, ALockThatCannotBeTakenFailsWithTheReason) {
  TempFolder folder;
  std::ofstream(folder.File("file")) << "";
  const auto update = UpdateListFile(folder.path() / "file" / "a.csv", [](LoadedList&) { return ChangeOutcome::Apply; });
  ASSERT_FALSE(update.has_value());
  EXPECT_EQ(update.error().kind, ListUpdateError::Kind::Failed);
  EXPECT_EQ(update.error().error, std::errc::not_a_directory);
}

}  // namespace
}  // namespace tessarine
