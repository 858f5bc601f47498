// The command line's templates in each language's own words: "default" is
// the language's default template, LMLD reads as the language writes a date,
// and a Korean or Vietnamese year of titles holds no Chinese writing.
#include <gtest/gtest.h>

#include "support/chinese_text.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::CliRun;

TEST(CliWordsTest, DefaultTemplateInTheLanguage) {
  struct Case {
    std::vector<std::string> args;  // after the date
    std::string line;
  };
  const Case cases[] = {
      {{"default"}, "丙午年【马】 正月初一 2026年 26/2/17 周二 春节"},
      {{"default", "--calendar", "korean"}, "병오년 말띠 음력 1월 1일 2026. 2. 17.(화) 설날"},
      {{"default", "--calendar", "vietnamese"}, "Mùng 1 tháng Giêng năm Bính Ngọ (Ngựa) T3, 17/2/2026 Tết Nguyên Đán"},
      // The Chinese calendar stands for the mainland, whose week is 周.
      {{"default", "--language", "zh-Hant"}, "丙午年【馬】 正月初一 2026年 26/2/17 周二 春節"},
      {{"default", "--language", "ko"}, "병오년 말띠 음력 1월 1일 2026. 2. 17.(화) 설날"},
      {{"default", "--calendar", "korean", "--language", "zh-Hans"}, "丙午年【马】 正月初一 2026年 26/2/17 周二 春节"},
      // Typed, the words stay: only "default" is the language's.
      {{"LY年 LMLD", "--calendar", "korean"}, "병오年 1월 1일"},
      {{"LMLD", "--calendar", "vietnamese"}, "Mùng 1 tháng Giêng"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"expand", c.args.front(), "2026-02-17"};
    args.insert(args.end(), c.args.begin() + 1, c.args.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2026-02-17\t" + c.line + "\n") << c.line;
  }
}

// A year of titles by the default template and every almanac token, as
// expand and ics write them: not one Han character in Korean or Vietnamese.
TEST(CliWordsTest, KoreanAndVietnameseYearsHoldNoChineseWriting) {
  for (const char* calendar : {"korean", "vietnamese"}) {
    const CliRun year = Cli({"expand", "default LH LP LS GD GM", "2026-01-01..2026-12-31", "--calendar", calendar});
    ASSERT_EQ(year.status, 0) << year.err;
    EXPECT_FALSE(testing::FirstChineseCharacter(year.out)) << calendar;

    testing::TempFolder folder;
    const CliRun ics = Cli({"ics", "2026", "--template", "default", "--calendar", calendar, "--fixed-name", "--output",
                            folder.path().string()});
    ASSERT_EQ(ics.status, 0) << ics.err;
    const std::string name = std::string("Tessarine_") + (calendar[0] == 'k' ? "Korean" : "Vietnamese") + "_2026.ics";
    const std::string file = testing::ReadFile(folder.File(name));
    ASSERT_NE(file.find("SUMMARY:"), std::string::npos);
    EXPECT_FALSE(testing::FirstChineseCharacter(file)) << calendar;
  }
}

}  // namespace
}  // namespace tessarine::cli
