// tessarine-cli holidays --import-tw and --import-hk: Taiwan's 辦公日曆表
// and Hong Kong's feed stored in the list as their region's, the
// mainland's rows left as they are; a dry run, a cut or foreign file and
// the options that do not go together store nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "holidays/region_holidays.h"
#include "support/cli_run.h"
#include "support/config_folder.h"
#include "support/office_calendar_csv.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

class RegionImportCliTest : public tessarine::testing::ConfigFolderTest {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = folder.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  void WriteList(const std::string& text) {
    std::filesystem::create_directories(config.File("Tessarine"));
    std::ofstream(List(), std::ios::binary) << text;
  }
  TempFolder folder;
};

const std::string kMainland = "年份,日期,类别,名称\n\"2026\",\"2026-10-01\",\"休\",\"国庆节\"\n";

TEST_F(RegionImportCliTest, EachRegionsFileStoredAsItsOwn) {
  WriteList(kMainland);
  const HolidaySchedule taiwan = *RegionHolidaySchedule(Region::Taiwan, 2026);
  const auto tw = Cli({"holidays", "--import-tw", Write("tw.csv", testing::OfficeCalendarCsv(taiwan))});
  ASSERT_EQ(tw.status, 0) << tw.err;
  EXPECT_TRUE(tw.out.starts_with("2026-01-01\t休\t開國紀念日\n")) << tw.out;
  EXPECT_EQ(static_cast<std::size_t>(std::count(tw.out.begin(), tw.out.end(), '\n')), taiwan.days.size());
  EXPECT_NE(tw.err.find("2026 (tw) stored in"), std::string::npos) << tw.err;

  const auto hk = Cli({"holidays", "--import-hk", std::string(TESSARINE_HK_FEEDS_DIR) + "/en.ics"});
  ASSERT_EQ(hk.status, 0) << hk.err;
  EXPECT_NE(hk.err.find("2024 (hk) stored in"), std::string::npos) << hk.err;
  EXPECT_NE(hk.err.find("2025 (hk) stored in"), std::string::npos) << hk.err;

  const std::string stored = ReadFile(List());
  EXPECT_TRUE(stored.starts_with("年份,日期,类别,名称,地区\n\"2026\",\"2026-10-01\",\"休\",\"国庆节\"\n")) << stored;
  EXPECT_NE(stored.find("\"2026\",\"2026-01-01\",\"休\",\"開國紀念日\",\"tw\"\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("\"2025\",\"2025-12-26\",\"休\",\"聖誕節後第一個周日\",\"hk\"\n"), std::string::npos) << stored;
  // The mainland's file is still the mainland's 2026 as the list has it.
  EXPECT_EQ(Cli({"holidays", "2026", "--output", folder.path().string()}).status, 0);
}

TEST_F(RegionImportCliTest, NothingStoredFromADryRunOrARefusedFile) {
  const std::string csv = testing::OfficeCalendarCsv(*RegionHolidaySchedule(Region::Taiwan, 2026));
  const auto dry = Cli({"holidays", "--import-tw", Write("tw.csv", csv), "--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_FALSE(dry.out.empty());
  const struct {
    const char* option;
    std::string bytes;
    const char* message;
  } refused[] = {
      {"--import-tw", csv.substr(0, csv.size() - 2),
       "tessarine-cli holidays: not a readable 辦公日曆表: the file is cut short, line 366: 20261231,四,0,\n"},
      {"--import-tw", ReadFile(std::string(TESSARINE_HK_FEEDS_DIR) + "/tc.ics"),
       "tessarine-cli holidays: not a readable 辦公日曆表: not a 辦公日曆表"},
      {"--import-hk", csv, "tessarine-cli holidays: not a readable holiday feed: not an iCalendar file, line 1"},
  };
  for (const auto& c : refused) {
    const auto run = Cli({"holidays", c.option, Write("file", c.bytes)});
    EXPECT_EQ(run.status, 2) << c.option;
    EXPECT_TRUE(run.err.starts_with(c.message)) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(List()));

  const std::string file = Write("tw.csv", csv);
  const std::vector<std::vector<std::string>> usage = {
      {"holidays", "--import-tw", file, "--import-hk", file},
      {"holidays", "--import-tw", file, "--import", file},
      {"holidays", "--import-tw", file, "--accept-unbalanced"},
      {"holidays", "--import-tw", file, "2026"},
      {"holidays", "--import-hk", ""},
  };
  for (const auto& args : usage) EXPECT_EQ(Cli(args).status, 2) << args[2] << ' ' << args.back();
  EXPECT_FALSE(std::filesystem::exists(List()));
}

// A list with a row of no region is named with its line and what is wrong.
TEST_F(RegionImportCliTest, ARowOfNoRegionIsNamed) {
  WriteList("年份,日期,类别,名称,地区\n2027,2027-06-03,休,임시공휴일,jp\n");
  const std::string csv = testing::OfficeCalendarCsv(*RegionHolidaySchedule(Region::Taiwan, 2026));
  const auto run = Cli({"holidays", "--import-tw", Write("tw.csv", csv)});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(":2: '2027,2027-06-03,休,임시공휴일,jp' names a region other than cn, tw, hk, kr and vn"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace tessarine::cli
