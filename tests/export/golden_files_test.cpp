// Whole files compared byte for byte with files checked by hand, under a
// fixed clock. Set TESSARINE_UPDATE_GOLDEN=1 to rewrite them after an
// intended change, and review the difference before committing it. The
// golden files stay the same from one release to the next: where a file has
// this build's version in its PRODID line, they have a placeholder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "compose/template_engine.h"
#include "compose/title_format.h"
#include "export/ical_writer.h"
#include "support/dates.h"
#include "support/generated_file.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using namespace std::chrono;

constexpr std::string_view kGoldenProductId = "PRODID:Tessarine v@PROJECT_VERSION@//EN";

// The file with its PRODID line, when it carries the project's version, as
// the golden files hold it. Any other PRODID is left, and differs.
std::string WithGoldenProductId(std::string file) {
  const std::string line = "\r\nPRODID:Tessarine v" TESSARINE_PROJECT_VERSION "//EN\r\n";
  const std::size_t at = file.find(line);
  if (at != std::string::npos) file.replace(at + 2, line.size() - 4, kGoldenProductId);
  return file;
}

// Compares `file` with the golden file `name`, or rewrites that when asked.
void ExpectGolden(const std::string& file, const std::string& name) {
  const std::string golden = std::string(TESSARINE_GOLDEN_DIR) + "/" + name;
  const std::string expected = WithGoldenProductId(file);
  if (std::getenv("TESSARINE_UPDATE_GOLDEN") != nullptr) std::ofstream(golden, std::ios::binary) << expected;
  EXPECT_TRUE(expected == testing::ReadFile(golden)) << name << " differs from its golden file";
}

// Only the project's version stands for the placeholder; a file of another
// version, or without its line, is not made to look golden.
TEST(GoldenFilesTest, OnlyThisVersionsProductLineBecomesThePlaceholder) {
  const std::string head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
  const struct {
    std::string file, expected;
  } cases[] = {
      {head + std::string(ProductId()) + "\r\nEND:VCALENDAR\r\n",
       head + std::string(kGoldenProductId) + "\r\nEND:VCALENDAR\r\n"},
      {head + "PRODID:Tessarine v1.12//EN\r\n", head + "PRODID:Tessarine v1.12//EN\r\n"},
      {head + "PRODID:Tessarine v" TESSARINE_PROJECT_VERSION "//EN.1\r\n",
       head + "PRODID:Tessarine v" TESSARINE_PROJECT_VERSION "//EN.1\r\n"},
      {head, head},
  };
  for (const auto& c : cases) EXPECT_EQ(WithGoldenProductId(c.file), c.expected) << c.file;
}

TEST(GoldenFilesTest, WholeFilesAsWritten) {
  struct Case {
    std::string name;
    int year;
    TitleFormat format;
  };
  const auto winter = MonthNaming::WinterAndLast;
  const Case cases[] = {
      {"2013-normal.ics", 2013, {winter, NormalFormat{}}},
      {"2023-month-date-both-plain.ics", 2023,
       {MonthNaming::Numbered, NormalFormat{DisplayMode::MonthAndDay, FestivalAndTerm::Both, false}}},
      {"2033-terms.ics", 2033, {winter, NormalFormat{DisplayMode::TermsOnly, FestivalAndTerm::Festival, false}}},
      {"2014-default-template.ics", 2014, {winter, TemplateFormat{std::string(DefaultTemplate), true}}},
      {"2020-template-keep-spaces.ics", 2020, {winter, TemplateFormat{"LD LT LF CF, CW;", false}}},
  };
  const local_seconds moment = local_days{2013y / 1 / 6} + 14h + 25min + 30s;
  for (const auto& c : cases) {
    const std::string file = testing::GeneratedFile(YearFilesRequest{testing::Years(c.year, c.year), c.format}, moment);
    testing::ParseCalendar(file);
    ExpectGolden(file, c.name);
  }
}

// A year of each region's festivals and national days, lunar then
// Gregorian ("LF CF"), each in the region's calendar and language: checked
// by eye against the research notes and the sources the tables cite (2026:
// 부처님오신날 05-24, 한식 04-06, 납일 01-21; 國慶日 10-10 and nothing on
// 10-01 in Taiwan; Quốc khánh 09-02 in Vietnam).
TEST(GoldenFilesTest, EachRegionsYear) {
  const local_seconds moment = local_days{2013y / 1 / 6} + 14h + 25min + 30s;
  for (const Region region : {Region::Taiwan, Region::HongKong, Region::Korea, Region::Vietnam}) {
    TitleFormat format{MonthNaming::WinterAndLast, TemplateFormat{"LF CF", true}};
    format.region = region;
    format.calendar = CalendarOf(region);
    format.language = DefaultLanguageOf(region);
    const std::string file = testing::GeneratedFile(YearFilesRequest{testing::Years(2026, 2026), format}, moment);
    testing::ParseCalendar(file);
    ExpectGolden(file, "2026-" + std::string(RegionTag(region)) + "-festivals.ics");
  }
}

}  // namespace
}  // namespace tessarine
