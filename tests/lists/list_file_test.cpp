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
        StoreSchedule(current.document, OneDay(2030 + i));
        return ChangeOutcome::Apply;
      });
      ::_exit(update.status == ListUpdate::Status::Saved ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  const auto loaded = LoadList(ReadFile(list));
  EXPECT_EQ(ReadHolidayList(std::get<LoadedList>(loaded).document).years.size(), static_cast<std::size_t>(kWriters));
}

TEST(ListFileTest, ARefusedChangeOrAFileThatIsNoListWritesNothing) {
  TempFolder folder;
  const std::filesystem::path list = folder.path() / "a.csv";
  std::ofstream(list) << "\"never closed\n";
  const auto apply = [](LoadedList& current) {
    AppendRow(current.document);
    SetLeadingFields(current.document, current.document.records.size() - 1, {"x", "1-1"});
    return ChangeOutcome::Apply;
  };
  EXPECT_EQ(UpdateListFile(list, apply).status, ListUpdate::Status::NotAList);
  std::ofstream(list) << "a,1-1\n";
  EXPECT_EQ(UpdateListFile(list, [](LoadedList&) { return ChangeOutcome::Refuse; }).status,
            ListUpdate::Status::Refused);
  EXPECT_EQ(ReadFile(list), "a,1-1\n");
  EXPECT_EQ(UpdateListFile(list, apply).status, ListUpdate::Status::Saved);
  EXPECT_EQ(ReadFile(list), "a,1-1\n\"x\",\"1-1\"\n");
}

}  // namespace
}  // namespace tessarine
