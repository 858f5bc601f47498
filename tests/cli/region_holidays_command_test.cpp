// tessarine-cli holidays --region: each region's calendar under its own file
// name, calendar name and UIDs, in its language or the one asked for; a
// rolling feed for every region; the years no schedule covers named as
// spans; an import never told another region.
#include <gtest/gtest.h>

#include <fstream>

#include "support/cli_run.h"
#include "support/config_folder.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

class RegionHolidaysCommandTest : public tessarine::testing::ConfigFolderTest {
 protected:
  std::string Written(const std::string& printed) { return ReadFile(printed.substr(0, printed.find('\n'))); }
  TempFolder out;
};

TEST_F(RegionHolidaysCommandTest, EachRegionsFileIsItsOwn) {
  const struct {
    std::vector<std::string> options;
    const char* fileName;
    const char* calendarName;
    const char* uid;
    const char* summary;
  } cases[] = {
      {{"--region", "cn"}, "Tessarine_Holidays_2026-2026.ics", "法定节假日", "20261001-holiday", "国庆节(休)"},
      {{"--region", "tw"}, "Tessarine_Holidays_Taiwan_2026-2026.ics", "臺灣國定假日 2026", "20261010-holiday-tw",
       "國慶日(休)"},
      {{"--region", "hk"}, "Tessarine_Holidays_HongKong_2026-2026.ics", "香港公眾假期 2026", "20260701-holiday-hk",
       "香港特別行政區成立紀念日(休)"},
      {{"--region", "kr"}, "Tessarine_Holidays_Korea_2026-2026.ics", "대한민국 공휴일 2026", "20260925-holiday-kr",
       "추석(휴)"},
      {{"--calendar", "korean"}, "Tessarine_Holidays_Korea_2026-2026.ics", "대한민국 공휴일 2026",
       "20261009-holiday-kr", "한글날(휴)"},
      {{"--region", "vn"}, "Tessarine_Holidays_Vietnam_2026-2026.ics", "Ngày nghỉ lễ Việt Nam 2026",
       "20260902-holiday-vn", "Quốc khánh(Nghỉ)"},
      {{"--region", "tw", "--language", "ko"}, "Tessarine_Holidays_Taiwan_2026-2026.ics", "대만 공휴일 2026",
       "20261010-holiday-tw", "國慶日(휴)"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"holidays", "2026", "--fixed-name", "--output", out.path().string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto run = Cli(args);
    ASSERT_EQ(run.status, 0) << c.fileName << ": " << run.err;
    EXPECT_EQ(run.out, (out.path() / c.fileName).string() + "\n");
    const std::string file = Written(run.out);
    EXPECT_NE(file.find(std::string("X-WR-CALNAME:") + c.calendarName + "\r\n"), std::string::npos) << c.fileName;
    EXPECT_NE(file.find(std::string("UID:") + c.uid + "@tessarine\r\n"), std::string::npos) << c.fileName;
    EXPECT_NE(file.find(std::string("SUMMARY:") + c.summary + "\r\n"), std::string::npos) << c.fileName;
    tessarine::testing::ParseCalendar(file);
  }
}

TEST_F(RegionHolidaysCommandTest, EveryRegionHasARollingFeed) {
  const struct {
    const char* region;
    const char* fileName;
    const char* calendarName;
  } cases[] = {
      {"tw", "Tessarine_Holidays_Taiwan_Rolling.ics", "臺灣國定假日"},
      {"hk", "Tessarine_Holidays_HongKong_Rolling.ics", "香港公眾假期"},
      {"kr", "Tessarine_Holidays_Korea_Rolling.ics", "대한민국 공휴일"},
      {"vn", "Tessarine_Holidays_Vietnam_Rolling.ics", "Ngày nghỉ lễ Việt Nam"},
  };
  for (const auto& c : cases) {
    const auto run = Cli({"holidays", "--region", c.region, "--rolling", "1", "--output", out.path().string()});
    ASSERT_EQ(run.status, 0) << c.region << ": " << run.err;
    EXPECT_EQ(run.out, (out.path() / c.fileName).string() + "\n");
    EXPECT_NE(Written(run.out).find(std::string("X-WR-CALNAME:") + c.calendarName + "\r\n"), std::string::npos);
  }
}

TEST_F(RegionHolidaysCommandTest, YearsWithoutAScheduleAreNamedAsSpans) {
  const auto run = Cli({"holidays", "--region", "kr", "1901", "2100", "--output", out.path().string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "tessarine-cli holidays: no schedule of kr for 1901-1990 (known: 1991-2100)\n");
  std::filesystem::create_directories(config.File("Tessarine"));
  std::ofstream(List()) << "年份,日期,类别,名称\n2030,2030-10-01,休,国庆节\n";
  const auto mainland = Cli({"holidays", "2026", "2031", "--output", out.path().string()});
  EXPECT_EQ(mainland.err, "tessarine-cli holidays: no schedule for 2027-2029, 2031 (known: 2008-2026, 2030)\n");
}

TEST_F(RegionHolidaysCommandTest, AnImportReadsItsOwnRegionsFile) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"holidays", "--region", "kr", "--import-tw", "x.csv"},
        std::vector<std::string>{"holidays", "--import", "x.txt", "--language", "ko"},
        std::vector<std::string>{"holidays", "--calendar", "korean", "--import-hk", "x.ics"}}) {
    const auto run = Cli(args);
    EXPECT_EQ(run.status, 2) << args[2];
    EXPECT_NE(run.err.find("read their own region's file"), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tessarine::cli
