// What tessarine-cli prints about the files it writes or refuses: a file
// with no event is refused as no calendar, and paths and expansions reach
// the terminal with their control characters shown as codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/cli_run.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::CliRun;
using tessarine::testing::FileSizeLimit;
using tessarine::testing::TempFolder;

bool HasControls(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\n') || byte == 0x7F;
  });
}

// As an empty template is: a file with no event is no calendar, so none is
// written, and the run says so and ends with 1.
TEST(NoEventTest, ACalendarWithNoEventIsRefused) {
  TempFolder folder;
  const std::string list = folder.File("later.csv");
  std::ofstream(list) << "妈妈生日,三月初八,2030\n";
  const std::string out = folder.File("out");
  std::filesystem::create_directory(out);
  const struct {
    std::vector<std::string> args;
    std::size_t refused;  // files, one line each
  } cases[] = {
      {{"ics", "2026", "--mode", "terms", "--no-festivals-terms"}, 1},
      {{"ics", "2026", "2027", "--mode", "terms", "--no-festivals-terms"}, 2},
      {{"ics", "2026", "2027", "--mode", "terms", "--no-festivals-terms", "--single-file"}, 1},
      {{"ics", "2026", "--mode", "terms", "--no-festivals-terms", "--calendar", "korean"}, 1},
      {{"ics", "--rolling", "1", "--mode", "terms", "--no-festivals-terms", "--calendar", "korean"}, 1},
      {{"anniversaries", list, "2026", "2028"}, 1},
      {{"anniversaries", list, "2026", "--fixed-name"}, 1},
  };
  const std::string refusal = ": a file with no event is no calendar, nothing written";
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--output", out});
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1) << c.args[1];
    EXPECT_EQ(run.out, "") << c.args[1];
    const std::string prefix = "tessarine-cli " + c.args[0] + ": no event to write into " + out + "/";
    std::size_t lines = 0;
    for (std::size_t at = 0; at < run.err.size(); at = run.err.find('\n', at) + 1, ++lines) {
      const std::string line = run.err.substr(at, run.err.find('\n', at) - at);
      EXPECT_TRUE(line.starts_with(prefix)) << line;
      EXPECT_TRUE(line.ends_with(".ics" + refusal)) << line;
    }
    EXPECT_EQ(lines, c.refused) << run.err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(out));
}

// A folder named with a line end and an escape sequence: the paths printed
// on success and on failure show them as codes, one line a file.
TEST(ControlCharactersTest, PathsAreEscapedOnEveryLine) {
  TempFolder folder;
  const std::string name = "out\n\x1b[31mred\r\x7f";
  const std::string escaped = "out\\n\\x1b[31mred\\r\\x7f";
  const std::string out = folder.File(name);
  std::filesystem::create_directory(out);

  const CliRun written = Cli({"ics", "2026", "--fixed-name", "--output", out});
  ASSERT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, folder.File(escaped) + "/Tessarine_2026.ics\n");

  CliRun failed;
  {
    FileSizeLimit limit(1000);
    failed = Cli({"ics", "2027", "--output", out});
  }
  EXPECT_EQ(failed.status, 1);
  EXPECT_TRUE(failed.err.starts_with("tessarine-cli ics: cannot write " + folder.File(escaped) + "/Tessarine_2027_"))
      << failed.err;

  const CliRun refused = Cli({"ics", "2026", "--mode", "terms", "--no-festivals-terms", "--output", out});
  EXPECT_NE(refused.err.find("no event to write into " + folder.File(escaped) + "/"), std::string::npos) << refused.err;
  for (const CliRun& run : {written, failed, refused}) {
    EXPECT_FALSE(HasControls(run.out)) << run.out;
    EXPECT_FALSE(HasControls(run.err)) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n') + std::count(run.err.begin(), run.err.end(), '\n'), 1);
  }
}

// The template's own line ends, tabs and escape sequences, kept by
// --keep-spaces, are shown as codes; its text, Chinese and all, stays.
TEST(ControlCharactersTest, ExpansionsAreEscaped) {
  const std::string day = Cli({"expand", "LD", "2026-01-01"}).out;  // "2026-01-01\t<lunar day>\n"
  ASSERT_EQ(day.substr(0, 11), "2026-01-01\t");
  const std::string lunarDay = day.substr(11, day.size() - 12);
  const struct {
    const char* templ;
    std::string expected;
  } cases[] = {
      {"LD\r\nY\x1b[31m", lunarDay + "\\r\\nY\\x1b[31m"},
      {"LD\t农历", lunarDay + "\\t农历"},
      {"【LD】 周一", "【" + lunarDay + "】 周一"},
      // U+009B, the one-character CSI, shown as a code; U+00A0 is text.
      {"LD\xC2\x9b" "31m\xC2\xA0x", lunarDay + "\\u009b31m\xC2\xA0x"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli({"expand", "--keep-spaces", c.templ, "2026-01-01"});
    EXPECT_EQ(run.status, 0) << c.expected;
    EXPECT_EQ(run.out, "2026-01-01\t" + c.expected + "\n");
  }
}

}  // namespace
}  // namespace tessarine::cli
