// Each region's official days where the command line shows them: day
// --json's "holiday" and the marks of ics --holiday-marks, in the file's
// language, from the region's own schedule (the built-in years, the rules,
// and the user's rows of that region), never the mainland's for another.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/config_folder.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::ParseCalendar;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

class RegionHolidayMarksTest : public tessarine::testing::ConfigFolderTest {
 protected:

  // The "holiday" of one date, as day --json gives it.
  nlohmann::json Holiday(const std::string& date, const std::string& region) {
    const auto run = Cli({"day", date, "--region", region, "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out).at("holiday") : nlohmann::json();
  }

  TempFolder out;
};

TEST_F(RegionHolidayMarksTest, DayJsonNamesTheRegionsOwnDay) {
  const struct {
    const char* date;
    const char* region;
    const char* kind;  // nullptr: no official day
    const char* name;
    const char* status;
  } cases[] = {
      {"2027-02-06", "kr", "off", "설날 전날", "official"},
      {"2027-02-07", "kr", "off", "설날", "official"},
      {"2027-02-09", "kr", "off", "대체공휴일(설날)", "official"},
      {"2027-10-11", "kr", "off", "대체공휴일(한글날)", "official"},
      {"2026-10-01", "kr", nullptr, "", ""},
      {"2026-10-01", "cn", "off", "国庆节", "official"},
      {"2026-02-28", "cn", "work", "春节", "official"},
      {"2026-10-04", "kr", nullptr, "", ""},  // the mainland's 国庆 break, not Korea's
      {"2030-02-02", "vn", "off", "Tết Âm lịch", "provisional"},
      {"2035-02-08", "kr", "off", "설날", "provisional"},
      {"2024-12-25", "hk", "off", "聖誕節", "official"},
  };
  for (const auto& c : cases) {
    const nlohmann::json holiday = Holiday(c.date, c.region);
    if (!c.kind) {
      EXPECT_TRUE(holiday.is_null()) << c.date << " " << c.region << ": " << holiday.dump();
      continue;
    }
    ASSERT_TRUE(holiday.is_object()) << c.date << " " << c.region;
    EXPECT_EQ(holiday.at("kind"), c.kind) << c.date << " " << c.region;
    EXPECT_EQ(holiday.at("name"), c.name) << c.date << " " << c.region;
    EXPECT_EQ(holiday.at("status"), c.status) << c.date << " " << c.region;
  }
}

// A day the user adds for Korea (a 임시공휴일) joins the built-in year; the
// mainland's list rows stay the mainland's.
TEST_F(RegionHolidayMarksTest, AUsersKoreanRowJoinsTheBuiltInYear) {
  std::filesystem::create_directories(config.File("Tessarine"));
  std::ofstream(config.File("Tessarine/holidays.csv"))
      << "年份,日期,类别,名称,地区\n2026,2026-06-03,休,지방선거일,kr\n";
  const nlohmann::json added = Holiday("2026-06-03", "kr");
  ASSERT_TRUE(added.is_object()) << added.dump();
  EXPECT_EQ(added.at("name"), "지방선거일");
  EXPECT_EQ(Holiday("2026-09-25", "kr").at("name"), "추석");
  EXPECT_TRUE(Holiday("2026-06-03", "cn").is_null());
}

TEST_F(RegionHolidayMarksTest, IcsMarksFollowTheRegionAndTheLanguage) {
  const auto titleOn = [this](const std::vector<std::string>& args, const std::string& yyyymmdd) {
    TempFolder folder;
    std::vector<std::string> all = {"ics"};
    all.insert(all.end(), args.begin(), args.end());
    all.insert(all.end(), {"--holiday-marks", "--output", folder.path().string()});
    const auto run = Cli(all);
    EXPECT_EQ(run.status, 0) << run.err;
    const auto titles = ParseCalendar(ReadFile(run.out.substr(0, run.out.find('\n'))));
    const auto title = titles.find(yyyymmdd);
    return title == titles.end() ? std::string() : title->second;
  };
  EXPECT_EQ(titleOn({"2026", "--region", "kr"}, "20260925"), "추석(휴)");
  EXPECT_EQ(titleOn({"2026", "--region", "kr"}, "20261001").find("(휴)"), std::string::npos);
  EXPECT_EQ(titleOn({"2026", "--region", "tw"}, "20260216"), "除夕(休)");
  EXPECT_EQ(titleOn({"2035", "--region", "kr"}, "20350208"), "설날(휴, 예정)");
  EXPECT_EQ(titleOn({"2026", "--region", "vn"}, "20260902"), "21(Nghỉ)");
  EXPECT_EQ(titleOn({"2026"}, "20261001"), "廿一(休)");
}

}  // namespace
}  // namespace tessarine::cli
