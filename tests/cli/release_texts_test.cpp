// What tessarine-cli says about itself against what it does: the version it
// names is the one every file it writes carries, and the help names every
// key day --json writes, every mark --holiday-marks adds and every month
// --plain-month-names renames.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "calendar/lunar_names.h"
#include "calendar/vocabulary_holidays.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::Cli;
using testing::TempFolder;

// Runs a shell command line with the program's path as $CLI and the
// configuration folder `config`; returns what went to standard output.
std::string Output(const std::string& line, const TempFolder& config) {
  const std::string command = "XDG_CONFIG_HOME='" + config.path().string() + "' CLI='" TESSARINE_CLI "'; " + line;
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// The third line of a written file, its PRODID.
std::string ProductLine(const std::string& path) {
  const std::string file = testing::ReadFile(path);
  std::size_t start = 0;
  for (int line = 0; line < 2 && start != std::string::npos; ++line) {
    start = file.find("\r\n", start);
    if (start != std::string::npos) start += 2;
  }
  if (start == std::string::npos) return {};
  return file.substr(start, file.find("\r\n", start) - start);
}

// Every command that writes a file, run as the user runs it: the PRODID is
// "Tessarine v" and the version --version prints. One year's files of the
// sky are named as a year's file is.
TEST(ReleaseTextsTest, EveryFileCarriesTheVersionTheProgramNames) {
  TempFolder config, out;
  const std::string version = Output("\"$CLI\" --version", config);
  ASSERT_TRUE(version.starts_with("tessarine-cli ") && version.ends_with("\n")) << version;
  const std::string expected = "PRODID:Tessarine v" + version.substr(14, version.size() - 15) + "//EN";
  EXPECT_EQ(expected, "PRODID:Tessarine v" TESSARINE_PROJECT_VERSION "//EN");
  std::ofstream(out.File("list.csv")) << "妈妈生日,三月初八,1960\n";
  const std::string into = " --output '" + out.path().string() + "' --fixed-name";
  const struct {
    std::string command, name;
  } cases[] = {
      {"ics 2026", "Tessarine_2026.ics"},
      {"ics 2026 --region kr", "Tessarine_Korean_2026.ics"},
      {"moon 2026", "Tessarine_MoonPhases_2026.ics"},
      {"terms 2026 --region vn", "Tessarine_Vietnamese_SolarTerms_2026.ics"},
      {"moon 2026 2027", "Tessarine_MoonPhases_2026-2027.ics"},
      {"holidays 2026", "Tessarine_Holidays_2026-2026.ics"},
      {"anniversaries '" + out.File("list.csv") + "' 2026", "Tessarine_Anniversaries_2026-2026.ics"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Output("\"$CLI\" " + c.command + into, config), out.File(c.name) + "\n") << c.command;
    EXPECT_EQ(ProductLine(out.File(c.name)), expected) << c.command;
  }
}

// The keys of a JSON value, at every depth.
void CollectKeys(const nlohmann::json& value, std::set<std::string>& keys) {
  if (value.is_object()) {
    for (const auto& [key, inner] : value.items()) {
      keys.insert(key);
      CollectKeys(inner, keys);
    }
  } else if (value.is_array()) {
    for (const auto& inner : value) CollectKeys(inner, keys);
  }
}

// Days that fill every key: a term with its moment (立春 2026-02-04), a
// full moon (2026-03-03), 三伏 and 数九, a festival of each kind, the
// mainland's official days off, and Korea's and Vietnam's own days.
TEST(ReleaseTextsTest, DayHelpNamesEveryJsonKeyAndPhase) {
  const std::string help = Cli({"day", "--help"}).out;
  const std::vector<std::vector<std::string>> runs = {
      {"day", "--json", "2026-02-04", "2026-03-03", "2026-07-20", "2026-12-25", "2026-10-01"},
      {"day", "--json", "--region", "kr", "2026-02-17", "2026-07-15"},
      {"day", "--json", "--region", "vn", "2026-09-02", "2026-01-01..2026-01-31"},
  };
  std::set<std::string> keys, phases;
  for (const auto& args : runs) {
    const testing::CliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t start = 0;
    for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
      const auto day = nlohmann::json::parse(run.out.substr(start, end - start));
      CollectKeys(day, keys);
      if (!day["moonPhase"].is_null()) phases.insert(day["moonPhase"]["phase"].get<std::string>());
    }
  }
  for (const char* filled : {"phase", "kind", "id", "nine", "period", "yearByTerm"}) {
    EXPECT_TRUE(keys.contains(filled)) << filled << ": no day of the test fills it";
  }
  for (const std::string& key : keys) EXPECT_NE(help.find('"' + key + '"'), std::string::npos) << key;
  EXPECT_FALSE(phases.empty());
  for (const std::string& phase : phases) EXPECT_NE(help.find('"' + phase + '"'), std::string::npos) << phase;
}

// --holiday-marks names the mark of every language in every region, and
// the word a provisional day adds.
TEST(ReleaseTextsTest, IcsHelpNamesEveryMark) {
  const std::string help = Cli({"ics", "--help"}).out;
  for (const Language language : {Language::ZhHans, Language::ZhHant, Language::Korean, Language::Vietnamese}) {
    for (const Region region : {Region::China, Region::Taiwan, Region::HongKong, Region::Korea, Region::Vietnam}) {
      const HolidayMarks marks = HolidayMarksOf(language, region);
      for (const std::string_view word : {marks.dayOff, marks.workday}) {
        if (word.empty()) continue;
        EXPECT_NE(help.find("(" + std::string(word) + ")"), std::string::npos) << word;
        EXPECT_NE(help.find("(" + std::string(marks.dayOff) + std::string(marks.joiner) +
                            std::string(marks.provisional) + ")"),
                  std::string::npos)
            << marks.provisional;
      }
    }
  }
}

// Every month name --plain-month-names changes, in each language, is named
// in the help of each command that takes it, both the usual and the plain.
TEST(ReleaseTextsTest, PlainMonthNamesHelpNamesWhatItRenames) {
  for (const char* command : {"day", "expand"}) {
    const std::string help = Cli({command, "--help"}).out;
    for (const Language language : {Language::ZhHans, Language::ZhHant, Language::Korean, Language::Vietnamese}) {
      for (const unsigned month : {11u, 12u}) {
        const std::string usual = MonthName(month, false, MonthNaming::WinterAndLast, language);
        const std::string plain = MonthName(month, false, MonthNaming::Numbered, language);
        if (usual == plain) continue;
        EXPECT_NE(help.find(plain), std::string::npos) << command << ": " << plain;
        if (std::string_view(command) == "day") {
          EXPECT_NE(help.find(usual), std::string::npos) << usual;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessarine
