#include "lists/list_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/deferred_signals.h"
#include "files/replace_file.h"
#include "lists/csv_merge.h"
#include "lists/holiday_list.h"
#include "lists/settings_file.h"
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

// A link planted where the lock goes is not followed: the change fails and
// nothing is created where the link points.
TEST(ListFileTest, TheLockIsNeverTakenThroughALink) {
  TempFolder folder;
  const std::filesystem::path list = folder.path() / "holidays.csv";
  const std::filesystem::path elsewhere = folder.path() / "elsewhere";
  std::filesystem::create_symlink(elsewhere, ListLockPath(list));
  const auto update = UpdateTextFile(list, [](std::string& bytes) {
    bytes = "x\n";
    return ChangeOutcome::Apply;
  });
  EXPECT_EQ(update.status, ListUpdate::Status::Failed);
  EXPECT_EQ(update.error, std::errc::too_many_symbolic_link_levels);
  EXPECT_FALSE(std::filesystem::exists(elsewhere));
  EXPECT_FALSE(std::filesystem::exists(list));
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

// A SIGTERM that arrives while a file is written takes effect only once the
// file is done: the process goes on to the end of the write, then ends.
TEST(DeferredSignalsTest, ATerminationWaitsForTheWrite) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    {
      const DeferredSignals deferred;
      ::kill(::getpid(), SIGTERM);
      (void)!::write(pipeEnds[1], "w", 1);  // still here: the write goes on
    }
    ::_exit(0);  // never reached: the signal ends the process here
  }
  ::close(pipeEnds[1]);
  char byte = 0;
  EXPECT_EQ(::read(pipeEnds[0], &byte, 1), 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  ::close(pipeEnds[0]);
}

CsvDocument Document(std::string_view text) { return std::get<CsvDocument>(ParseCsvDocument(text)); }

TEST(MergeEditsTest, EditsAreCarriedToTheCurrentText) {
  struct Case {
    const char* current;
    const char* merged;  // nullptr: a conflict
  };
  // The window read "a\nb\nc\n", changed b to B, removed c and added d.
  CsvDocument edited = Document("a\nb\nc\n");
  SetLeadingFields(edited, 1, {"B"});
  edited.records.erase(edited.records.begin() + 2);
  SetLeadingFields(edited, AppendRow(edited), {"d"});
  const Case cases[] = {
      {"a\nb\nc\n", "a\n\"B\"\n\"d\"\n"},            // unchanged on disk
      {"x\na\nb\nc\ny\n", "x\na\n\"B\"\ny\n\"d\"\n"},  // rows added there stay
      {"b\nc\n", "\"B\"\n\"d\"\n"},                  // a row removed there stays removed
      {"a\nb2\nc\n", nullptr},                       // the changed row changed there too
      {"a\nb\n", nullptr},                           // the removed row is gone there
  };
  for (const Case& c : cases) {
    CsvDocument current = Document(c.current);
    const bool merged = MergeEdits(Document("a\nb\nc\n"), edited, current);
    EXPECT_EQ(merged, c.merged != nullptr) << c.current;
    EXPECT_EQ(DocumentText(current), c.merged ? c.merged : c.current) << c.current;
  }
}

TEST(SettingsFileTest, OneSettingChangesOneLine) {
  struct Case {
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"", "holidayMarksAction", "true", "[General]\nholidayMarksAction=true\n"},
      {"[General]\na=1\nb=2\n", "a", "false", "[General]\na=false\nb=2\n"},
      {"[General]\r\nb=2\r\n[Other]\na=1\n", "a", "x", "[General]\r\nb=2\r\na=x\n[Other]\na=1\n"},
      {"; mine\n[Window]\nw=3", "a", "1", "; mine\n[Window]\nw=3\n\n[General]\na=1\n"},
      {"", "outputFolder", "/home/王/a,b \"c\"", "[General]\noutputFolder=\"/home/王/a,b \\\"c\\\"\"\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithSetting(c.before, c.key, c.value), c.after) << c.before;
}

}  // namespace
}  // namespace tessarine
