// --region on the commands that write or describe days: the days follow the
// region, the calendar and the language follow it unless given, and without
// it every command keeps the output it had (the region follows --calendar).
// Language tags in BCP 47; day --json's region, weekday and festival ids.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::CliRun;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

nlohmann::json DayJson(const std::vector<std::string>& args) {
  const CliRun run = Cli(With({"day", "--json"}, args));
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out);
}

// The ids of the day's festivals of one kind, in order.
std::vector<std::string> Ids(const nlohmann::json& festivals) {
  std::vector<std::string> ids;
  for (const auto& f : festivals) ids.push_back(f.at("id"));
  return ids;
}

// The first checks of each region's users: a region's day named, and another's day not.
TEST(RegionOptionTest, EachRegionsDaysAsTheIssueChecksThem) {
  struct Case {
    std::string date, region;
    std::string lunar, gregorian;  // fields 6 and 7 of the line: the day's festivals
  };
  const Case cases[] = {
      {"2026-05-24", "kr", "부처님오신날", ""},
      {"2026-10-10", "tw", "", "國慶日"},
      {"2026-10-01", "tw", "", ""},
      {"2026-09-02", "vn", "", "Quốc khánh"},
      {"2026-10-01", "vn", "", ""},
      {"2026-10-01", "hk", "", "國慶節"},
      {"2026-10-01", "cn", "", "国庆节"},
      {"2026-10-09", "kr", "", "한글날"},
      {"2026-04-06", "kr", "한식", ""},
      {"2027-01-16", "kr", "납일", ""},
      {"2026-01-26", "cn", "腊八节", ""},  // 납일 is not Korea's name of 腊八
      {"2026-01-26", "kr", "", ""},
      {"2026-01-21", "kr", "납일", ""},
      {"2026-04-26", "vn", "Giỗ Tổ Hùng Vương", ""},
      {"2026-02-26", "vn", "Vía Thần Tài", ""},
      {"2026-02-25", "tw", "天公生", ""},
      {"2027-01-23", "tw", "尾牙", ""},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli({"day", c.date, "--region", c.region});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> fields;
    std::string field;
    for (const char ch : run.out.substr(0, run.out.size() - 1) + "\t") {
      if (ch == '\t') {
        fields.push_back(field);
        field.clear();
      } else {
        field += ch;
      }
    }
    ASSERT_EQ(fields.size(), 9u) << run.out;
    EXPECT_EQ(fields[5], c.lunar) << c.date << " " << c.region;
    EXPECT_EQ(fields[6], c.gregorian) << c.date << " " << c.region;
  }
}

// Without --region the region is the calendar's, so a command naming only
// its calendar writes what it wrote before; with it, the region brings its
// calendar and language unless they are given.
TEST(RegionOptionTest, TheRegionFollowsTheCalendarUnlessGiven) {
  const std::vector<std::string> year = {"2026-01-01..2026-12-31"};
  for (const std::string command : {"day", "expand"}) {
    const std::vector<std::string> base =
        command == "day" ? With({"day"}, year) : With({"expand", "LY LM LD LT LF CF CW"}, year);
    EXPECT_EQ(Cli(base).out, Cli(With(base, {"--region", "cn"})).out) << command;
    EXPECT_EQ(Cli(With(base, {"--calendar", "korean"})).out, Cli(With(base, {"--region", "kr"})).out) << command;
    EXPECT_EQ(Cli(With(base, {"--calendar", "vietnamese"})).out, Cli(With(base, {"--region", "vn"})).out)
        << command;
    EXPECT_EQ(Cli(With(base, {"--language", "zh-Hant"})).out,
              Cli(With(base, {"--region", "cn", "--language", "zh-Hant"})).out)
        << command;
  }
  struct Case {
    std::vector<std::string> options;
    std::string calendar, region, monthName;
  };
  const Case cases[] = {
      {{}, "chinese", "cn", "八月"},
      {{"--region", "tw"}, "chinese", "tw", "八月"},
      {{"--region", "TW"}, "chinese", "tw", "八月"},
      {{"--region", "hk"}, "chinese", "hk", "八月"},
      {{"--region", "kr"}, "korean", "kr", "8월"},
      {{"--region", "vn"}, "vietnamese", "vn", "Tám"},
      {{"--calendar", "korean"}, "korean", "kr", "8월"},
      {{"--region", "kr", "--language", "zh-Hans"}, "korean", "kr", "八月"},
      {{"--region", "kr", "--calendar", "chinese"}, "chinese", "kr", "8월"},
      {{"--region", "tw", "--calendar", "vietnamese"}, "vietnamese", "tw", "八月"},
      // A Chinese tag naming Taiwan or Hong Kong names the region too, where
      // the calendar is the Chinese one and --region does not say otherwise.
      {{"--language", "zh-TW"}, "chinese", "tw", "八月"},
      {{"--language", "zh-hk"}, "chinese", "hk", "八月"},
      {{"--language", "zh_MO"}, "chinese", "hk", "八月"},
      {{"--language", "zh-TW", "--region", "cn"}, "chinese", "cn", "八月"},
      {{"--language", "zh-TW", "--calendar", "korean"}, "korean", "kr", "八月"},
      {{"--language", "ko-KR"}, "chinese", "cn", "8월"},
      {{"--language", "vi-VN"}, "chinese", "cn", "Tám"},
      {{"--language", "zh-CN"}, "chinese", "cn", "八月"},
  };
  for (const Case& c : cases) {
    const nlohmann::json day = DayJson(With({"2026-09-25"}, c.options));
    const std::string shown = c.options.empty() ? "" : c.options.front() + " " + c.options[1];
    EXPECT_EQ(day.at("calendar"), c.calendar) << shown;
    EXPECT_EQ(day.at("region"), c.region) << shown;
    EXPECT_NE(day.at("monthName").get<std::string>().find(c.monthName), std::string::npos)
        << shown << ": " << day.at("monthName");
  }
}

// The language tags people type, in any case, give the language's words
// and exit 0; the region a tag names gives that region's days.
TEST(RegionOptionTest, LanguageTagsInBcp47) {
  const std::vector<std::string> year = {"day", "2026-01-01..2026-12-31"};
  const std::pair<std::string, std::vector<std::string>> same[] = {
      {"zh-TW", {"--region", "tw"}},       {"zh-HK", {"--region", "hk"}},
      {"ko-KR", {"--language", "ko"}},     {"vi-VN", {"--language", "vi"}},
      {"ZH-cn", {"--language", "zh-Hans"}}, {"zh-Hant-TW", {"--region", "tw"}},
  };
  for (const auto& [tag, equivalent] : same) {
    const CliRun run = Cli(With(year, {"--language", tag}));
    EXPECT_EQ(run.status, 0) << tag << ": " << run.err;
    EXPECT_EQ(run.out, Cli(With(year, equivalent)).out) << tag;
  }
  const CliRun english = Cli({"day", "2026-01-01", "--language", "en-US"});
  EXPECT_EQ(english.status, 2);
  EXPECT_NE(english.err.find("'en-US'"), std::string::npos) << english.err;
}

// day --json: the region's tag, the ISO weekday, and each festival with an
// id that is the same in every language.
TEST(RegionOptionTest, JsonNamesTheRegionWeekdayAndFestivalIds) {
  // 2026-02-16 is a Monday: the week runs 1 to 7.
  for (int day = 16; day <= 22; ++day) {
    const nlohmann::json json = DayJson({"2026-02-" + std::to_string(day)});
    EXPECT_EQ(json.at("weekday"), day - 15);
  }
  struct Case {
    std::vector<std::string> options;
    std::string date;
    std::vector<std::string> lunarIds, solarIds;
  };
  const Case cases[] = {
      {{"--region", "kr"}, "2027-02-07", {"seollal"}, {}},
      {{"--region", "kr", "--language", "vi"}, "2027-02-07", {"seollal"}, {}},
      {{"--region", "vn"}, "2026-02-17", {"tet"}, {}},
      {{"--region", "vn", "--language", "ko"}, "2026-02-17", {"tet"}, {}},
      {{}, "2026-02-17", {"springFestival"}, {}},
      {{"--region", "kr"}, "2026-09-25", {"chuseok"}, {}},
      {{}, "2026-09-25", {"midAutumn"}, {}},
      {{"--region", "kr"}, "2026-05-24", {"buddhasBirthday"}, {}},
      {{}, "2026-10-01", {}, {"nationalDay"}},
      {{"--region", "tw"}, "2026-10-10", {}, {"nationalDay"}},
      {{"--region", "vn"}, "2026-09-02", {}, {"nationalDay"}},
      {{"--region", "tw"}, "2026-10-01", {}, {}},
      {{"--region", "kr"}, "2026-12-25", {}, {"christmas"}},
      {{"--region", "tw"}, "2026-12-25", {}, {"constitutionDay", "christmas"}},
  };
  for (const Case& c : cases) {
    const nlohmann::json json = DayJson(With({c.date}, c.options));
    EXPECT_EQ(Ids(json.at("lunarFestivals")), c.lunarIds) << c.date;
    EXPECT_EQ(Ids(json.at("solarFestivals")), c.solarIds) << c.date;
  }
  // Names in the language; "festivals" stays the names alone, first lunar
  // then first Gregorian, as scripts read it.
  const nlohmann::json mixed = DayJson({"2026-12-25", "--region", "tw"});
  EXPECT_EQ(mixed.at("solarFestivals").at(0), (nlohmann::json{{"id", "constitutionDay"}, {"name", "行憲紀念日"}}));
  EXPECT_EQ(mixed.at("festivals"), nlohmann::json::array({"行憲紀念日"}));
  const nlohmann::json seollal = DayJson({"2027-02-07", "--region", "kr"});
  EXPECT_EQ(seollal.at("lunarFestivals").at(0).at("name"), "설날");
  EXPECT_EQ(seollal.at("festivals"), nlohmann::json::array({"설날"}));
  EXPECT_EQ(seollal.at("region"), "kr");
  EXPECT_EQ(DayJson({"2026-03-03", "--region", "vn"}).at("dayName"), "Rằm");
}

// Every command that writes days takes --region; the files follow it.
TEST(RegionOptionTest, FilesFollowTheRegion) {
  TempFolder folder;
  const std::string out = folder.path().string();
  const CliRun taiwan = Cli({"ics", "2026", "--region", "tw", "--template", "LF CF", "--fixed-name", "--output", out});
  ASSERT_EQ(taiwan.status, 0) << taiwan.err;
  const auto days = tessarine::testing::ParseCalendar(ReadFile(folder.File("Tessarine_2026.ics")));
  EXPECT_EQ(days.at("20261010"), "國慶日");
  EXPECT_EQ(days.count("20261001"), 0u);
  EXPECT_EQ(days.at("20260225"), "天公生");
  const CliRun korea = Cli({"ics", "2026", "--region", "kr", "--fixed-name", "--output", out});
  ASSERT_EQ(korea.status, 0) << korea.err;
  const std::string korean = ReadFile(folder.File("Tessarine_Korean_2026.ics"));
  EXPECT_NE(korean.find("SUMMARY:부처님오신날"), std::string::npos);
  // The sky's commands take the region for its clock and language.
  for (const std::string command : {"moon", "terms"}) {
    TempFolder byRegion, byCalendar;
    ASSERT_EQ(Cli({command, "2026", "--region", "kr", "--fixed-name", "--output", byRegion.path().string()}).status, 0);
    ASSERT_EQ(Cli({command, "2026", "--calendar", "korean", "--fixed-name", "--output", byCalendar.path().string()})
                  .status,
              0);
    const auto name = std::filesystem::directory_iterator(byRegion.path())->path().filename();
    EXPECT_EQ(ReadFile(byRegion.path() / name), ReadFile(byCalendar.path() / name)) << command;
  }
}

TEST(RegionOptionTest, AnUnknownRegionIsRefused) {
  for (const std::string command : {"day", "expand", "ics", "moon", "terms", "anniversaries"}) {
    const CliRun run = Cli({command, "--region", "jp", "2026"});
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_EQ(run.err, "tessarine-cli " + command + ": --region 'jp' is not cn, tw, hk, kr or vn\n") << command;
  }
}

TEST(RegionOptionTest, EveryHelpNamesTheRegion) {
  for (const std::string command : {"day", "expand", "ics", "moon", "terms", "anniversaries"}) {
    const std::string help = Cli({command, "--help"}).out;
    EXPECT_NE(help.find("--region"), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace tessarine::cli
