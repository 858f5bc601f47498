#include <gtest/gtest.h>

#include <fstream>
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

TEST(AnniversariesCommandTest, BadInputGivesOneLineAndWritesNothing) {
  TempFolder folder;
  const std::string list = folder.File("list.csv");
  std::ofstream(list) << "a,3-8\n\nb,十三月初一\nc,四月四十\n";
  const std::string out = folder.File("out");
  std::filesystem::create_directory(out);
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const Case cases[] = {
      {{list, "2026", "--output", out}, list + ":3: field 2 (date) '十三月初一': unknown lunar month\n"},
      {{folder.File("missing.csv"), "2026"}, "tessarine-cli anniversaries: cannot read '" + folder.File("missing.csv") + "'\n"},
      {{list, "2026", "2025"}, "tessarine-cli anniversaries: end year '2025' is before the start year '2026'\n"},
      {{list, "2026", "2101"}, "tessarine-cli anniversaries: end year '2101' is outside 1901..2100\n"},
      {{list, "2026", "--remind", "31"}, "tessarine-cli anniversaries: --remind '31' is not a number of days from 0 to 30\n"},
      {{list, "2026", "--remind", "-1"}, "tessarine-cli anniversaries: --remind '-1' is not a number of days from 0 to 30\n"},
      {{list}, "tessarine-cli anniversaries: anniversaries needs a list file, a start year and at most an end year\n"},
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
