#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "files/bounded_read.h"
#include "support/cli_run.h"
#include "support/config_folder.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

// Each test gets a configuration folder of its own for holidays.csv.
class HolidaysCommandTest : public tessarine::testing::ConfigFolderTest {
 protected:
  std::string Written(const std::string& out) { return ReadFile(out.substr(0, out.find('\n'))); }
  TempFolder out;
};

TEST_F(HolidaysCommandTest, KnownYearsAreWrittenAndMissingOnesNamed) {
  const auto run = Cli({"holidays", "2025", "2027", "--output", out.path().string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "tessarine-cli holidays: no schedule for 2027 (known: 2008-2026)\n");
  EXPECT_EQ(tessarine::testing::ParseCalendar(Written(run.out)).size(), 28u + 5u + 33u + 6u);
  const auto none = Cli({"holidays", "2030", "--output", out.path().string()});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(out.Count(), 1u);
  EXPECT_EQ(Cli({"holidays", "2101"}).status, 2);
}

TEST_F(HolidaysCommandTest, ANoticeAddsItsYear) {
  const std::string notice = out.File("notice.txt");
  std::ofstream(notice) << "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦和春节放假安排通知如下。\n"
                           "一、元旦：1月1日至3日放假，共3天。\n"
                           "二、春节：2月5日至11日放假调休，共7天。2月20日（星期六）上班。\n";
  const auto dry = Cli({"holidays", "--import", notice, "--dry-run"});
  ASSERT_EQ(dry.status, 0) << dry.err;
  EXPECT_TRUE(dry.out.starts_with("2027-01-01\t休\t元旦\n2027-01-02\t休\t元旦\n"));
  EXPECT_TRUE(dry.out.ends_with("2027-02-20\t班\t春节\n"));
  EXPECT_FALSE(std::filesystem::exists(config.File("Tessarine/holidays.csv")));

  ASSERT_EQ(Cli({"holidays", "--import", notice}).status, 0);
  const auto run = Cli({"holidays", "2027", "--output", out.path().string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(tessarine::testing::ParseCalendar(Written(run.out)).size(), 11u);

  std::ofstream(notice) << "国务院办公厅关于2028年部分节假日安排的通知\n一、春节：2月30日放假。\n";
  const auto bad = Cli({"holidays", "--import", notice});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("a date that does not exist: 春节: 2月30日放假"), std::string::npos) << bad.err;
}

// An import names the user's own rows it replaces; a read-only list, or one
// behind a link, is kept as the user keeps it.
TEST_F(HolidaysCommandTest, AnImportKeepsTheUsersListAsTheUserKeepsIt) {
  const std::string notice = out.File("notice.txt");
  std::ofstream(notice) << "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假安排通知如下。\n一、元旦：1月1日放假。\n";
  std::filesystem::create_directories(config.path() / "Tessarine");
  const std::string list = config.File("Tessarine/holidays.csv"), target = config.File("kept.csv");
  std::ofstream(target) << "2027,2027-03-08,休,妇女节(公司)\n2026,2026-01-01,休,元旦\n";
  std::filesystem::create_symlink(target, list);
  ::chmod(target.c_str(), 0444);
  const auto refused = Cli({"holidays", "--import", notice});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("cannot write " + list + ": the file is read-only"), std::string::npos) << refused.err;

  ::chmod(target.c_str(), 0640);
  const auto run = Cli({"holidays", "--import", notice});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("替换了你自己添加的 1 行：2027-03-08 休 妇女节(公司)\n"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink(list));
  EXPECT_EQ(ReadFile(target), "年份,日期,类别,名称\n2026,2026-01-01,休,元旦\n\"2027\",\"2027-01-01\",\"休\",\"元旦\"\n");
  EXPECT_EQ(std::filesystem::status(target).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
}

// A text that does not add up is refused, naming each block that fails;
// items without their title read for --year; a GBK text is read as it is.
TEST_F(HolidaysCommandTest, WarningsYearsAndEncodings) {
  const std::string notice = out.File("notice.txt");
  std::ofstream(notice) << "一、元旦：1月1日放假。\n二、春节：2月6日至12日放假调休，共7天。\n三、清明节：4月5日放假。\n"
                           "四、劳动节：5月1日放假。\n五、端午节：6月9日放假。\n六、中秋节：9月15日放假。\n"
                           "七、国庆节：10月1日至7日放假，共7天。\n";
  const auto cut = Cli({"holidays", "--import", notice, "--year", "2027", "--dry-run"});
  EXPECT_EQ(cut.status, 2) << cut.err;
  EXPECT_NE(cut.err.find("not a readable notice: the days do not add up in 春节: 5 weekdays off, where its 4 "
                         "statutory days and 0 make-up workdays give 4"),
            std::string::npos)
      << cut.err;
  EXPECT_EQ(Cli({"holidays", "--import", notice, "--dry-run"}).status, 2);  // no year at all
  std::ofstream(notice) << "\xB9\xFA\xCE\xF1\xD4\xBA";  // 国务院 in GBK: read, then refused for what it says
  const auto gbk = Cli({"holidays", "--import", notice});
  EXPECT_NE(gbk.err.find("no year"), std::string::npos) << gbk.err;
  std::ofstream(notice) << "\xFF\xFE" + std::string("\x00\xD8", 2);  // a lone UTF-16 surrogate
  EXPECT_NE(Cli({"holidays", "--import", notice}).err.find("UTF-16"), std::string::npos);
}

// A holidays.csv that is no regular file, or is past the lists' limit, is
// refused at once by every command that reads it, naming the file. Before,
// a named pipe hung them and a link to /dev/zero was read without end: an
// alarm ends the test instead.
TEST_F(HolidaysCommandTest, AListThatIsNoFileOrTooLargeIsRefused) {
  std::filesystem::create_directories(config.path() / "Tessarine");
  const std::string list = config.File("Tessarine/holidays.csv"), notice = out.File("notice.txt");
  std::ofstream(notice) << "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假安排通知如下。\n一、元旦：1月1日放假。\n";
  const struct {
    const char* named;
    std::function<void()> make;
    std::string reason;
  } cases[] = {
      {"named pipe", [&list] { ::mkfifo(list.c_str(), 0600); }, "'" + list + "' is not a file"},
      {"link to /dev/zero", [&list] { std::filesystem::create_symlink("/dev/zero", list); },
       "'" + list + "' is not a file"},
      {"past the limit",
       [&list] {
         std::ofstream(list) << "";
         std::filesystem::resize_file(list, kMostBytesRead + 1);
       },
       "'" + list + "' is larger than 10 MB: not a holiday list"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(list);
    c.make();
    ::alarm(60);
    const auto holidays = Cli({"holidays", "2026", "--output", out.path().string()});
    const auto marks = Cli({"ics", "2026", "--holiday-marks", "--output", out.path().string()});
    const auto import = Cli({"holidays", "--import", notice});
    ::alarm(0);
    EXPECT_EQ(holidays.status, 2) << c.named;
    EXPECT_EQ(holidays.err, "tessarine-cli holidays: " + c.reason + "\n");
    EXPECT_EQ(marks.status, 2) << c.named;
    EXPECT_EQ(marks.err, "tessarine-cli ics: " + c.reason + "\n");
    EXPECT_NE(import.status, 0) << c.named;
    EXPECT_NE(import.err.find(list), std::string::npos) << import.err;
  }
  EXPECT_EQ(out.Count(), 1u);  // the notice alone
}

// A row of a year the calendar does not describe, or of a date outside its
// year, is a bad row naming its line: no year -5 to 99999 is "known", and no
// 2031 day goes into the 2026 file.
TEST_F(HolidaysCommandTest, RowsOutsideTheirYearAreBadRows) {
  std::filesystem::create_directories(config.path() / "Tessarine");
  const std::string list = config.File("Tessarine/holidays.csv");
  const struct {
    const char* row;
    const char* reason;
  } cases[] = {
      {"-5,2026-01-01,休,元旦", "has a year outside 1901-2100"},
      {"99999,2026-01-01,休,元旦", "has a year outside 1901-2100"},
      {"2026,2031-01-01,休,元旦", "has a date outside its year (only a 元旦 block may begin in the December before)"},
  };
  for (const auto& c : cases) {
    std::ofstream(list) << "年份,日期,类别,名称\n2026,2026-01-01,休,元旦\n" << c.row << "\n";
    for (const std::vector<std::string>& years : {std::vector<std::string>{"2026"}, {"2030", "2031"}}) {
      std::vector<std::string> args = {"holidays", "--output", out.path().string()};
      args.insert(args.end(), years.begin(), years.end());
      const auto run = Cli(args);
      EXPECT_EQ(run.status, 2) << c.row;
      EXPECT_EQ(run.err, "tessarine-cli holidays: " + list + ":3: '" + c.row + "' " + c.reason + "\n");
    }
  }
  EXPECT_EQ(out.Count(), 0u);
}

TEST_F(HolidaysCommandTest, MarksOnTheYearFiles) {
  const auto run = Cli({"ics", "2026", "--holiday-marks", "--output", out.path().string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto titles = tessarine::testing::ParseCalendar(Written(run.out));
  EXPECT_EQ(titles.at("20260217"), "春节(休)");
  EXPECT_EQ(titles.at("20260228"), "十二(班)");
  EXPECT_EQ(titles.at("20260301"), "十三");
}

}  // namespace
}  // namespace tessarine::cli
