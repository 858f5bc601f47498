#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <vector>

#include "calendar/iso_date.h"
#include "calendar/lunar_date.h"
#include "calendar/vocabulary.h"
#include "cli/help.h"
#include "support/cli_run.h"
#include "support/file_size_limit.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::FileSizeLimit;
using tessarine::testing::ParseCalendar;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

using tessarine::testing::Cli;
using tessarine::testing::CliRun;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

TEST(DayCommandTest, DescribesDatesInTheOrderGiven) {
  const CliRun run = Cli({"day", "2014-09-08", "2023-03-21..2023-03-22", "2033-12-22", "1901-01-01"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "2014-09-08\t甲午 马年\t八月\t十五\t白露\t中秋\t\t一\t中秋\n"
            "2023-03-21\t癸卯 兔年\t二月\t三十\t春分\t\t\t二\t春分\n"
            "2023-03-22\t癸卯 兔年\t闰二月\t初一\t\t\t\t三\t闰二月\n"
            "2033-12-22\t癸丑 牛年\t闰冬月\t初一\t\t\t\t四\t闰冬月\n"
            "1901-01-01\t庚子 鼠年\t冬月\t十一\t\t\t元旦\t二\t十一\n");
}

// 繁體: the program's words in traditional characters, the dates the same.
TEST(DayCommandTest, TraditionalCharacters) {
  const CliRun run = Cli({"day", "--language", "zh-Hant", "2026-02-16", "2014-10-24", "2013-03-05"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "2026-02-16\t乙巳 蛇年\t臘月\t廿九\t\t除夕\t\t一\t除夕\n"
            "2014-10-24\t甲午 馬年\t閏九月\t初一\t\t\t\t五\t閏九月\n"
            "2013-03-05\t癸巳 蛇年\t正月\t廿四\t驚蟄\t\t\t二\t驚蟄\n");
  const CliRun expand = Cli({"expand", "--language", "zh-Hant", "LY LZ LMLD CF", "2026-10-01"});
  EXPECT_EQ(expand.out, "2026-10-01\t丙午 馬 八月廿一 國慶節\n");
}

TEST(DayCommandTest, OptionsShapeOnlyTheTitle) {
  struct Case {
    std::vector<std::string> options;
    std::string title;
  };
  const Case cases[] = {
      {{}, "除夕"},
      {{"--both", "term"}, "立春"},
      {{"--both=both"}, "除夕/立春"},
      {{"--no-festivals-terms"}, "腊月三十"},
      {{"--mode", "terms"}, "立春"},
      {{"--mode", "festivals-terms", "--both", "both"}, "除夕/立春"},
      {{"--plain-month-names", "--no-festivals-terms"}, "十二月三十"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"day", "2019-02-04"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    if (c.title.ends_with("三十")) args.insert(args.end(), {"--mode", "month-date"});
    const auto fields = Split(Cli(args).out.substr(0, Cli(args).out.size() - 1), '\t');
    ASSERT_EQ(fields.size(), 9u);
    EXPECT_EQ(fields[4], "立春");
    EXPECT_EQ(fields[5], "除夕");
    EXPECT_EQ(fields[8], c.title) << args.back();
  }
}

// JSON Lines for scripts: every day of the range, its numbers naming the
// same day again, its names as the tab-separated line gives them.
TEST(DayCommandTest, JsonLinesForEveryDay) {
  for (const LunarCalendar calendar : {LunarCalendar::China, LunarCalendar::Korea, LunarCalendar::Vietnam}) {
    const std::string tag(CalendarTag(calendar));
    const CliRun run = Cli({"day", "--json", "--calendar", tag, "1901-01-01..2100-12-31"});
    ASSERT_EQ(run.status, 0);
    const auto lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), 73049u);
    auto date = sys_days{std::chrono::year{1901} / 1 / 1};
    for (const std::string& line : lines) {
      const auto day = nlohmann::json::parse(line);
      ASSERT_EQ(day.at("date"), IsoDate(date));
      ASSERT_EQ(day.at("calendar"), tag);
      const LunarDate lunar{day.at("lunarYear"), day.at("month"), day.at("day"), day.at("leap")};
      ASSERT_EQ(FromLunarDate(lunar, calendar), date) << line;
      ASSERT_EQ(day.at("monthDays"), LunarMonthDays(lunar.year, lunar.month, lunar.leap, calendar)) << line;
      date += std::chrono::days{1};
    }
  }
  const auto seollal = nlohmann::json::parse(Cli({"day", "--json", "--calendar", "korean", "2027-02-07"}).out);
  EXPECT_EQ(seollal.at("festivals"), nlohmann::json::array({"설날"}));
  EXPECT_EQ(seollal.at("title"), "설날");
  const auto liChun = nlohmann::json::parse(Cli({"day", "--json", "2026-02-04"}).out);
  EXPECT_EQ(liChun.at("termTime"), "2026-02-03T20:02Z");
  EXPECT_EQ(liChun.at("shuJiu"), (nlohmann::json{{"nine", 6}, {"day", 1}}));
  EXPECT_EQ(liChun.at("ganzhi"),
            (nlohmann::json{{"year", "乙巳"}, {"yearByTerm", "丙午"}, {"month", "庚寅"}, {"day", "己酉"}}));
  const auto fullMoon = nlohmann::json::parse(Cli({"day", "--json", "--language", "zh-Hant", "2026-03-03"}).out);
  EXPECT_EQ(fullMoon.at("moonPhase"), (nlohmann::json{{"phase", "full"}, {"time", "2026-03-03T11:38Z"}}));
  EXPECT_TRUE(fullMoon.at("dogDays").is_null());
  EXPECT_EQ(nlohmann::json::parse(Cli({"day", "--json", "2026-07-25"}).out).at("dogDays"),
            (nlohmann::json{{"period", 2}, {"day", 1}}));
  const auto eve = nlohmann::json::parse(Cli({"day", "--json", "2034-02-18"}).out);
  EXPECT_EQ(eve.at("term"), "雨水");
  EXPECT_EQ(eve.at("festivals"), nlohmann::json::array({"除夕"}));
  EXPECT_EQ(eve.at("calendar"), "chinese");
  EXPECT_TRUE(nlohmann::json::parse(Cli({"day", "--json", "2034-02-19"}).out).at("term").is_null());
}

TEST(DayCommandTest, WholeRangeHasOneLineADayWithNineFields) {
  const CliRun run = Cli({"day", "1901-01-01..2100-12-31"});
  ASSERT_EQ(run.status, 0);
  const auto lines = Split(run.out, '\n');
  ASSERT_EQ(lines.size(), 73049u);
  int leapDays = 0;
  for (const auto& line : lines) {
    const auto fields = Split(line + "\t", '\t');
    ASSERT_EQ(fields.size(), 9u) << line;
    EXPECT_FALSE(fields[8].empty()) << line;
    leapDays += fields[2].starts_with("闰");
  }
  EXPECT_GT(leapDays, 72 * 29);
  EXPECT_TRUE(lines.back().starts_with("2100-12-31\t庚申 猴年\t腊月\t初一"));
}

TEST(CliErrorsTest, BadArgumentsGiveOneLineAndStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    std::string named;
  };
  const Case cases[] = {
      {{"day", "2013-13-01"}, "'2013-13-01'"},
      {{"day", "2013-02-29"}, "'2013-02-29'"},
      {{"day", "2013-1-1"}, "'2013-1-1'"},
      {{"day", "1900-12-31"}, "'1900-12-31'"},
      {{"day", "2101-01-01"}, "'2101-01-01'"},
      {{"day", "2013-02-10..2013-02-01"}, "'2013-02-10..2013-02-01'"},
      {{"day", "2013-02-10..x"}, "'x'"},
      {{"day", "--colour", "2013-01-01"}, "--colour"},
      {{"day", "2013-01-01\x1b[2J"}, "'2013-01-01\\x1b[2J'"},
      {{"expand", "LD", "2013-01-01\n2013-01-02"}, "'2013-01-01\\n2013-01-02'"},
      {{"day", "--mode", "weekly", "2013-01-01"}, "'weekly'"},
      {{"ics", "2013", "--template", "LD", "--mode", "weekly"}, "'weekly'"},  // refused even where unused
      {{"day", "2013-01-01", "--mode"}, "--mode"},
      {{"day"}, "date"},
      {{"expand", "\xFF", "2013-01-01"}, "UTF-8"},
      {{"expand", "LD"}, "date"},
      {{"ics"}, "year"},
      {{"ics", "2013", "--output", "/nonexistent/folder"}, "'/nonexistent/folder'"},
      {{"calendar"}, "'calendar'"},
      {{"ics", "2013", "--output", "/etc/hostname"}, "'/etc/hostname'"},
      {{"ics", "2013", "--template", "LD\xC0\xAF"}, "UTF-8"},
      {{"ics", "2013", "--template", ""}, "template is empty"},
      {{"ics", "20\xFF\x1b" "13"}, "'20\\xff\\x1b13'"},  // never raw to the terminal
      {{"anniversaries", "list.csv", "2013", "--reminder-events"}, "--reminder-events needs --remind"},
      {{"holidays", "--import", ""}, "--import needs a file"},
      {{"day", "--language", "en", "2013-01-01"}, "'en'"},
      {{"ics", "2013", "--calendar", "japanese"}, "'japanese'"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, 2) << c.named;
    EXPECT_EQ(run.out, "") << c.named;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(CliHelpTest, EveryCommandExplainsItself) {
  for (const std::string command : {"day", "expand", "ics"}) {
    const CliRun run = Cli({command, "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.ends_with("\n"));
    EXPECT_NE(run.out.find("Usage: tessarine-cli " + command), std::string::npos);
  }
  EXPECT_NE(Cli({"--help"}).out.find("Commands:"), std::string::npos);
  // The years come from the calendar's range, not from the help's text.
  EXPECT_NE(Cli({"--help"}).out.find("every day from 1901 to 2100."), std::string::npos);
  EXPECT_NE(Cli({"day", "--help"}).out.find("within 1901-01-01..2100-12-31."), std::string::npos);
  // A command's help is shown whatever the values beside it.
  const std::vector<std::vector<std::string>> withHelp = {
      {"day", "--mode", "x", "--help"}, {"anniversaries", "--remind", "31", "--help"}, {"ics", "--help", "--calendar", "x"}};
  for (const auto& args : withHelp) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Usage: tessarine-cli " + args.front()), std::string::npos);
  }
}

// The first argument names the command: --help and --version end the run
// whatever follows, and a command's name after something else is no command.
TEST(CliHelpTest, TheFirstArgumentNamesTheCommand) {
  const std::string help = WithYears(kMainHelpFormat);
  const std::string unknown = "tessarine-cli: unknown command 'foo' (try tessarine-cli --help)\n";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      {{"help", "day"}, 0, help, ""},
      {{"--help", "day", "2013-01-01"}, 0, help, ""},
      {{"--version", "day"}, 0, "tessarine-cli " TESSARINE_PROJECT_VERSION "\n", ""},
      {{"foo", "day", "2013-01-01"}, 2, "", unknown},
      {{"foo", "--help"}, 2, "", unknown},
      {{"day", "--version"}, 2, "", "tessarine-cli day: The following argument was not expected: --version\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.front();
    EXPECT_EQ(run.out, c.out) << c.args.front();
    EXPECT_EQ(run.err, c.err) << c.args.front();
  }
}

TEST(CliHelpTest, VersionIsTheProjectVersion) {
  const CliRun run = Cli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "tessarine-cli " TESSARINE_PROJECT_VERSION "\n");
}

TEST(ExpandCommandTest, TemplatesForDates) {
  EXPECT_EQ(Cli({"expand", "default", "2014-09-08"}).out,
            "2014-09-08\t甲午年【马】 八月十五 2014年 14/9/8 周一 白露 中秋\n");
  EXPECT_EQ(Cli({"expand", "LD LT LF CW", "2013-01-02", "--keep-spaces"}).out, "2013-01-02\t廿一   三\n");
  EXPECT_EQ(Cli({"expand", "LD LT LF CW", "2013-01-02"}).out, "2013-01-02\t廿一 三\n");
  EXPECT_EQ(Cli({"expand", "--plain-month-names", "LM", "2033-12-22..2033-12-23"}).out,
            "2033-12-22\t闰十一月\n2033-12-23\t闰十一月\n");
}

TEST(ExpandCommandTest, AVeryLongTemplate) {
  std::string templ;
  for (int i = 0; i < 20000; ++i) templ += "LD  ";  // 100,000 characters
  const CliRun run = Cli({"expand", templ, "2013-02-10"});
  EXPECT_EQ(run.status, 0);
  std::string expected = "2013-02-10\t";
  for (int i = 0; i < 20000; ++i) expected += "初一 ";
  expected.back() = '\n';
  EXPECT_EQ(run.out, expected);
}

TEST(IcsCommandTest, WritesFilesAndPrintsTheirPaths) {
  TempFolder folder;
  const CliRun run = Cli({"ics", "2013", "2014", "--output", folder.path().string(), "--template", "default"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const auto paths = Split(run.out, '\n');
  ASSERT_EQ(paths.size(), 2u);
  for (const auto& path : paths) {
    EXPECT_TRUE(path.starts_with(folder.File("Tessarine_")));
    EXPECT_EQ(ParseCalendar(ReadFile(path)).size(), 365u);
  }
  EXPECT_EQ(folder.Count(), 2u);
}

// A feed that stays current: last year to N years ahead in one file of a
// fixed name, replaced on each run, that asks subscribers to refresh daily.
TEST(IcsCommandTest, ARollingFeed) {
  TempFolder folder;
  for (int run = 0; run < 2; ++run) {
    const CliRun rolling = Cli({"ics", "--rolling", "1", "--output", folder.path().string()});
    ASSERT_EQ(rolling.status, 0) << rolling.err;
    EXPECT_EQ(rolling.out, (folder.path() / "Tessarine_Rolling.ics").string() + "\n");
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  const std::string file = ReadFile((folder.path() / "Tessarine_Rolling.ics").string());
  for (const char* line : {"METHOD:PUBLISH\r\n", "X-WR-CALNAME:农历\r\n", "REFRESH-INTERVAL;VALUE=DURATION:P1D\r\n",
                           "X-PUBLISHED-TTL:P1D\r\n"}) {
    EXPECT_NE(file.find(line), std::string::npos) << line;
  }
  const auto titles = ParseCalendar(file);  // libical reads it
  const int thisYear = static_cast<int>(std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(
                                            std::chrono::system_clock::now())}.year());
  EXPECT_EQ(titles.begin()->first.substr(0, 4), std::to_string(thisYear - 1));
  EXPECT_EQ(titles.rbegin()->first.substr(0, 4), std::to_string(thisYear + 1));
  const CliRun both = Cli({"ics", "2026", "--rolling", "1"});
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(Cli({"ics", "--rolling", "x"}).status, 2);
  // A count is its decimal digits: 09 is nine years, not a bad octal number.
  const CliRun nine = Cli({"ics", "--rolling", "09", "--output", folder.path().string()});
  EXPECT_EQ(nine.status, 0) << nine.err;
}

TEST(IcsCommandTest, YearsAreCheckedBeforeAnythingIsWritten) {
  TempFolder folder;
  const std::string dir = folder.path().string();
  struct Case {
    std::vector<std::string> years;
    std::string err;
  };
  const Case cases[] = {
      {{""}, "start year '' is not a number"},
      {{"1900"}, "start year '1900' is outside 1901..2100"},
      {{"2040", "2030"}, "end year '2030' is before the start year '2040'"},
      {{"２０１３"}, "start year '２０１３' is not a number"},
      {{"2099", "2101"}, "end year '2101' is outside 1901..2100"},
      {{"2026", "20270"}, "end year '20270' is outside 1901..2100"},
      {{"2100", "2147483647"}, "end year '2147483647' is outside 1901..2100"},
      {{"2100", "99999999999999999999"}, "end year '99999999999999999999' is outside 1901..2100"},
      {{"2013", "x"}, "end year 'x' is not a number"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"ics", "--output", dir};
    args.insert(args.end(), c.years.begin(), c.years.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 2) << c.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tessarine-cli ics: " + c.err + "\n");
  }
  EXPECT_EQ(folder.Count(), 0u);
}

TEST(IcsCommandTest, AFileThatCannotBeWrittenDoesNotStopTheRange) {
  TempFolder folder;
  CliRun run;
  {
    FileSizeLimit limit(1000);
    run = Cli({"ics", "2013", "2015", "--output", folder.path().string()});
  }
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  const auto lines = Split(run.err, '\n');
  ASSERT_EQ(lines.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(lines[i].starts_with("tessarine-cli ics: cannot write " +
                                     folder.File("Tessarine_" + std::to_string(2013 + i) + "_")));
    EXPECT_TRUE(lines[i].ends_with(": File too large")) << lines[i];
  }
  EXPECT_EQ(folder.Count(), 0u);
}

}  // namespace
}  // namespace tessarine::cli
