#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <set>
#include <sstream>

#include "support/cli_run.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::ParseCalendar;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

using tessarine::testing::Cli;
using tessarine::testing::CliRun;

TEST(AnniversariesCommandTest, WritesOneFileForTheSpan) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  std::ofstream(list) << "\xEF\xBB\xBF" "妈妈生日,三月初八,1960\n# 注释\n\"Wang, Li\",闰四月十五\n";
  std::filesystem::create_directory(folder.File("out"));
  const CliRun run = Cli({"anniversaries", list, "2026", "2027", "--output", folder.File("out"), "--remind", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_TRUE(run.out.starts_with(folder.File("out/Tessarine_Anniversaries_2026-2027_")));
  const std::string file = ReadFile(run.out.substr(0, run.out.size() - 1));
  const auto events = ParseCalendar(file);
  EXPECT_EQ(events.size(), 4u);
  EXPECT_EQ(events.at("20260424"), "妈妈生日 (66)");
  EXPECT_EQ(events.at("20270414"), "妈妈生日 (67)");
  EXPECT_NE(file.find("TRIGGER:PT9H\r\n"), std::string::npos);
}

// Reminders as events of their own, and rows that repeat a name and date
// with UIDs of their own; a GBK list read as it is.
TEST(AnniversariesCommandTest, ReminderEventsAndRepeatedRows) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  std::ofstream(list) << "\xC2\xE8\xC2\xE8,3-8,1960\n\xC2\xE8\xC2\xE8,3-8,1961\n";  // 妈妈 twice, in GBK
  const CliRun run = Cli({"anniversaries", list, "2026", "--output", folder.path().string(), "--remind", "3",
                          "--reminder-events"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string file = ReadFile(run.out.substr(0, run.out.size() - 1));
  EXPECT_EQ(file.find("BEGIN:VALARM"), std::string::npos);
  EXPECT_NE(file.find("DTSTART;VALUE=DATE:20260421\r\nDTEND;VALUE=DATE:20260422\r\nDTSTAMP:"), std::string::npos);
  EXPECT_NE(file.find("SUMMARY:3天后：妈妈 (66)\r\n"), std::string::npos);
  std::set<std::string> uids;
  for (std::size_t at = file.find("UID:"); at != std::string::npos; at = file.find("UID:", at + 1)) {
    EXPECT_TRUE(uids.insert(file.substr(at, file.find('\r', at) - at)).second) << "a repeated UID";
  }
  EXPECT_EQ(uids.size(), 4u);  // two rows, each with its reminder
}

// Each entry repeats by its own calendar, and the program's words follow
// --language.
TEST(AnniversariesCommandTest, EntriesByTheirOwnCalendar) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  std::ofstream(list) << "이름,2-1,1990,korean\ngiỗ,mùng 10 tháng 3,,Việt Nam\n";
  const CliRun run = Cli({"anniversaries", list, "2026", "--output", folder.path().string(), "--calendar",
                          "vietnamese", "--language", "ko", "--remind", "1", "--reminder-events"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto titles = testing::ParseCalendar(ReadFile(run.out.substr(0, run.out.size() - 1)));
  EXPECT_EQ(titles, (std::map<std::string, std::string>{{"20260318", "1일 후: 이름 (36)"},
                                                        {"20260319", "이름 (36)"},
                                                        {"20260425", "1일 후: giỗ"},
                                                        {"20260426", "giỗ"}}));
}

// The calendar's column in any language and case; an empty one is the
// Chinese calendar, whatever --calendar or --region says, as in the window.
// Korea's 1-1 of 2027 is a day after China's.
TEST(AnniversariesCommandTest, TheCalendarColumnDecidesTheDate) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  const struct {
    const char* rows;
    std::vector<std::string> options;
    const char* day;
  } cases[] = {
      {"x,1-1,,Korean\n", {}, "20270207"},
      {"x,1-1,,한국\n", {}, "20270207"},
      {"이름,날짜,시작년,달력\nx,1월 1일,,KOREAN\n", {}, "20270207"},
      {"x,1-1\n", {"--calendar", "korean"}, "20270206"},
      {"name,date,first year,calendar\nx,1-1,,,a note of mine\n", {"--region", "kr"}, "20270206"},
  };
  for (const auto& c : cases) {
    std::ofstream(list) << c.rows;
    std::vector<std::string> args = {"anniversaries", list, "2027", "--fixed-name", "--output", folder.path().string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << c.rows << run.err;
    const auto titles = ParseCalendar(ReadFile(run.out.substr(0, run.out.size() - 1)));
    ASSERT_EQ(titles.size(), 1u) << c.rows;
    EXPECT_EQ(titles.begin()->first, c.day) << c.rows;
  }
}

TEST(AnniversariesCommandTest, AListWithoutEntriesWritesNothing) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  for (const char* text : {"名称,日期,起始年\n# 还没有\n\n", ""}) {
    std::ofstream(list) << text;
    const CliRun run = Cli({"anniversaries", list, "2026", "--output", folder.path().string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessarine-cli anniversaries: " + list + " lists no anniversary: nothing written\n");
    EXPECT_EQ(folder.Count(), 1u);
  }
}

constexpr const char* kNotACalendar =
    "not a calendar: write chinese, korean or vietnamese (or zh, ko, vi; 农历, 韩国阴历, 越南阴历; 한국, 음력; Việt Nam, "
    "Âm lịch), or leave it empty for the Chinese calendar; a note goes in the column after it\n";

TEST(AnniversariesCommandTest, BadInputGivesOneLineAndWritesNothing) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  std::ofstream(list) << "a,3-8\n\nb,十三月初一\nc,四月四十\n";
  const std::string unclosed = folder.File("unclosed.csv"), longField = folder.File("long.csv");
  std::ofstream(unclosed) << "a,3-8\n\"b,4-4\nc,5-5\n";
  std::ofstream(longField) << "a," << std::string(500, 'x') << "\n";
  const std::string gregorian = folder.File("gregorian.csv"), pipe = folder.File("pipe.csv");
  const std::string misspelt = folder.File("misspelt.csv"), note = folder.File("note.csv");
  std::ofstream(misspelt) << "x,1-1,,Koreen\n";
  std::ofstream(note) << "名称,日期,起始年\n妈妈生日,三月初八,1960,买蛋糕\n";
  std::ofstream(gregorian) << "妈妈生日,1960年4月3日\n爸爸生日,1958年三月初八\n";
  ::mkfifo(pipe.c_str(), 0600);
  const std::string out = folder.File("out");
  std::filesystem::create_directory(out);
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const Case cases[] = {
      {{list, "2026", "--output", out}, list + ":3: field 2 (date) '十三月初一': unknown lunar month\n"},
      {{folder.File("missing.csv"), "2026"},
       "tessarine-cli anniversaries: cannot read '" + folder.File("missing.csv") + "': No such file or directory\n"},
      {{folder.path().string(), "2026"}, "tessarine-cli anniversaries: '" + folder.path().string() + "' is not a file\n"},
      {{"/dev/zero", "2026"}, "tessarine-cli anniversaries: '/dev/zero' is not a file\n"},
      {{pipe, "2026"}, "tessarine-cli anniversaries: '" + pipe + "' is not a file\n"},
      {{gregorian, "2026"}, gregorian + ":1: field 2 (date) '1960年4月3日': a Gregorian date is not a lunar date: write "
                            "the day as yyyy-mm-dd (1960-04-03) to keep the lunar date of that day, or write the lunar "
                            "date itself, such as 三月初八 or 3-8\n"},
      {{unclosed, "2026"}, unclosed + ":2: a quote opens here and is never closed\n"},
      {{longField, "2026"}, longField + ":1: field 2 (date) '" + std::string(60, 'x') + "...': not a date: write a lunar "
                            "date such as 三月初八, 3월 8일, mùng 8 tháng 3 or 3-8, or yyyy-mm-dd\n"},
      {{misspelt, "2027"}, misspelt + ":1: field 4 (calendar) 'Koreen': " + kNotACalendar},
      {{note, "2027"}, note + ":2: field 4 (calendar) '买蛋糕': " + kNotACalendar},
      {{list, "2026", "2025"}, "tessarine-cli anniversaries: end year '2025' is before the start year '2026'\n"},
      {{list, "2026", "2101"}, "tessarine-cli anniversaries: end year '2101' is outside 1901..2100\n"},
      {{list, "2026", "--remind", "31"}, "tessarine-cli anniversaries: --remind '31' is not a number of days from 0 to 30\n"},
      {{list, "2026", "--remind", "-1"}, "tessarine-cli anniversaries: --remind '-1' is not a number of days from 0 to 30\n"},
      // Counts are decimal: CLI11 on its own would read these as 8, 30 and 1.
      {{list, "2026", "--remind", "010"}, "tessarine-cli anniversaries: --remind '010' is not a number of days from 0 to 30\n"},
      {{list, "2026", "--remind", "0x1e"}, "tessarine-cli anniversaries: --remind '0x1e' is not a number of days from 0 to 30\n"},
      {{list, "2026", "--remind", "+1"}, "tessarine-cli anniversaries: --remind '+1' is not a number of days from 0 to 30\n"},
      {{list, "--rolling", "1x"}, "tessarine-cli anniversaries: --rolling '1x' is not a number of years from 0 to 99\n"},
      {{list}, "tessarine-cli anniversaries: anniversaries needs a list file, a start year and at most an end year, or --rolling N\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"anniversaries"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 2) << c.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_TRUE(std::filesystem::is_empty(out));
}

}  // namespace
}  // namespace tessarine::cli
