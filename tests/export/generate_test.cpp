// The one pipeline, below both front ends: what it writes, what it hands
// back, and how a batch goes on or stops after each file.
#include "export/generate.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "export/ical_writer.h"
#include "export/year_calendar.h"
#include "lists/anniversary_list.h"
#include "support/anniversary_events.h"
#include "support/byte_source.h"
#include "support/dates.h"
#include "support/generated_file.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using namespace std::chrono;
using testing::Years;

const local_seconds kNow = local_days{2013y / 1 / 6} + 14h + 25min + 30s;

// Files kept in memory; the names listed in `failing` cannot be written.
struct MemoryFolder {
  std::map<std::string, std::string> files;
  std::vector<std::string> failing;

  GenerateOptions Options() {
    GenerateOptions options;
    options.write = [this](const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
      const std::string bytes = testing::AllOf(text);
      const WrittenFile file{folder / std::string(name), {}};
      if (std::find(failing.begin(), failing.end(), name) != failing.end()) {
        return WrittenFile{file.path, std::make_error_code(std::errc::no_space_on_device)};
      }
      files[std::string(name)] = std::string(bytes);
      return file;
    };
    return options;
  }
};

// One file for the whole range, and fixed names that replace the old file
// (through the replacing writer) instead of taking a new name.
TEST(GenerateTest, SingleFileAndFixedNames) {
  struct Case {
    FileNaming naming;
    std::string name;
    bool replaced;
  };
  const Case cases[] = {
      {{true, false}, "Tessarine_2019-2021_130106-142530.ics", false},
      {{true, true}, "Tessarine_2019-2021.ics", true},
      {{false, true}, "Tessarine_2021.ics", true},
  };
  std::vector<std::string> replaced;
  MemoryFolder folder;
  GenerateOptions options = folder.Options();
  options.replace = [&](const std::filesystem::path& into, std::string_view name, const ByteSource& text) {
    replaced.emplace_back(name);
    folder.files[std::string(name)] = testing::AllOf(text);
    return WrittenFile{into / std::string(name), {}};
  };
  for (const auto& c : cases) {
    replaced.clear();
    folder.files.clear();
    const Generation done = Generate(YearFilesRequest{Years(2019, 2021), {}, {}, c.naming}, "/out", kNow, options);
    EXPECT_EQ(done.files.back().path, "/out/" + c.name);
    EXPECT_EQ(folder.files.count(c.name), 1u);
    EXPECT_EQ(replaced.empty(), !c.replaced);
    if (c.naming.singleFile) {
      ASSERT_EQ(done.files.size(), 1u);
      EXPECT_NE(done.preview.find("X-WR-CALNAME:农历 2019-2021\r\n"), std::string::npos);
      EXPECT_NE(done.preview.find("DTSTART;VALUE=DATE:20190101"), std::string::npos);
      EXPECT_NE(done.preview.find("DTSTART;VALUE=DATE:20211231"), std::string::npos);
    }
  }
  const Generation anniversaries =
      Generate(AnniversariesRequest{{}, Years(2026, 2027), {}, {}, {false, true}}, "/out", kNow, options);
  EXPECT_EQ(anniversaries.files.back().path, "/out/Tessarine_Anniversaries_2026-2027.ics");
}

TEST(GenerateTest, YearFilesAreTheYearCalendarsOfTheRange) {
  MemoryFolder folder;
  const TitleFormat format{MonthNaming::Numbered, TemplateFormat{"LM LD, CW", false}};
  const Generation done = Generate(YearFilesRequest{Years(2019, 2021), format}, "/out", kNow, folder.Options());
  ASSERT_EQ(done.files.size(), 3u);
  for (int y = 2019; y <= 2021; ++y) {
    const std::string name = YearFileName(year{y}, kNow);
    EXPECT_EQ(done.files[y - 2019].path, "/out/" + name);
    EXPECT_FALSE(done.files[y - 2019].error);
    // The batch reuses its buffers; each file is still exactly its year,
    // as a batch of that year alone makes it.
    EXPECT_TRUE(folder.files[name] == testing::GeneratedFile(YearFilesRequest{Years(y, y), format}, kNow)) << y;
  }
  EXPECT_EQ(done.preview, folder.files[YearFileName(2021y, kNow)]);
}

TEST(GenerateTest, AnniversariesAreOneFile) {
  MemoryFolder folder;
  const auto list = ReadAnniversaryList("妈妈生日,三月初八,1960\n").value();
  const Generation done =
      Generate(AnniversariesRequest{list.entries, Years(2026, 2028), 1}, "/out", kNow, folder.Options());
  ASSERT_EQ(done.files.size(), 1u);
  EXPECT_EQ(done.files[0].path, "/out/Tessarine_Anniversaries_2026-2028_130106-142530.ics");
  // Composed a year at a time, the file is the range's events written at once.
  std::string whole;
  WriteIcal(whole, "农历纪念日",
            testing::AnniversaryEvents(list.entries, Years(2026, 2028), 1, ReminderStyle::Alarm, Language::ZhHans), kNow);
  EXPECT_TRUE(folder.files.begin()->second == whole);
}

TEST(GenerateTest, AFailedFileIsReportedAndTheCallerDecidesWhetherToGoOn) {
  struct Case {
    const char* named;
    AfterFile answer;
    std::size_t attempted, written;
  };
  const Case cases[] = {{"go on", AfterFile::Continue, 4, 3}, {"stop", AfterFile::Stop, 2, 1}};
  for (const auto& c : cases) {
    MemoryFolder folder;
    folder.failing = {YearFileName(2031y, kNow)};
    GenerateOptions options = folder.Options();
    std::vector<std::string> told;
    options.afterEach = [&](const WrittenFile& file) {
      told.push_back(file.path.filename().string());
      return file.error ? c.answer : AfterFile::Continue;
    };
    const Generation done = Generate(YearFilesRequest{Years(2030, 2033), {}}, "/out", kNow, options);
    ASSERT_EQ(done.files.size(), c.attempted) << c.named;
    EXPECT_EQ(told.size(), c.attempted) << c.named;
    EXPECT_EQ(done.files[1].error, std::errc::no_space_on_device) << c.named;
    EXPECT_EQ(folder.files.size(), c.written) << c.named;
  }
}

// A file with no event is no calendar: it is not written, whichever way it
// would have been made, and its outcome says why.
TEST(GenerateTest, AFileWithNoEventIsNotWritten) {
  NormalFormat noTitle;
  noTitle.mode = DisplayMode::TermsOnly;
  noTitle.withoutFestivalsAndTerms = true;
  const TitleFormat untitled{MonthNaming::WinterAndLast, noTitle};
  const std::vector<Anniversary> later = ReadAnniversaryList("妈妈生日,三月初八,2030\n").value().entries;
  struct Case {
    const char* named;
    GenerateRequest request;
    std::size_t files;
  };
  const Case cases[] = {
      {"a file a year", YearFilesRequest{Years(2026, 2027), untitled}, 2},
      {"one file for the range", YearFilesRequest{Years(2026, 2027), untitled, {}, {true, false}}, 1},
      {"a fixed name", YearFilesRequest{Years(2026, 2026), untitled, {}, {false, true}}, 1},
      {"a rolling feed", YearFilesRequest{Years(2026, 2027), untitled, {}, {false, false, true}}, 1},
      {"anniversaries that begin after the years", AnniversariesRequest{later, Years(2026, 2028), {}}, 1},
      {"no anniversary", AnniversariesRequest{{}, Years(2026, 2028), {}, {}, {false, true}}, 1},
      {"holidays of no day", HolidaysRequest{Years(2026, 2026), Region::China, Language::ZhHans, {HolidaySchedule{2026, {}}}}, 1},
  };
  for (const auto& c : cases) {
    MemoryFolder folder;
    GenerateOptions options = folder.Options();
    options.replace = options.write;
    std::size_t told = 0;
    options.afterEach = [&told](const WrittenFile&) {
      ++told;
      return AfterFile::Continue;
    };
    const Generation done = Generate(c.request, "/out", kNow, options);
    ASSERT_EQ(done.files.size(), c.files) << c.named;
    for (const WrittenFile& file : done.files) {
      EXPECT_EQ(file.error, make_error_code(GenerateRefusal::NoEvent)) << c.named;
      EXPECT_EQ(file.path.parent_path(), "/out") << c.named;
    }
    EXPECT_EQ(told, c.files) << c.named;
    EXPECT_TRUE(folder.files.empty()) << c.named;
    EXPECT_TRUE(done.preview.empty()) << c.named;
  }
  // The files the anniversaries do have are still written.
  MemoryFolder folder;
  const Generation some = Generate(AnniversariesRequest{later, Years(2029, 2030), {}}, "/out", kNow, folder.Options());
  ASSERT_EQ(some.files.size(), 1u);
  EXPECT_FALSE(some.files[0].error);
}

// Written ahead on both cores into the real folder, a year with no event
// leaves no file, named or not, behind.
TEST(GenerateTest, AYearWithNoEventLeavesNothingInARealFolder) {
  testing::TempFolder folder;
  NormalFormat noTitle;
  noTitle.mode = DisplayMode::TermsOnly;
  noTitle.withoutFestivalsAndTerms = true;
  const Generation done =
      Generate(YearFilesRequest{Years(2026, 2029), TitleFormat{MonthNaming::WinterAndLast, noTitle}}, folder.path(), kNow);
  ASSERT_EQ(done.files.size(), 4u);
  for (const WrittenFile& file : done.files) EXPECT_EQ(file.error, make_error_code(GenerateRefusal::NoEvent));
  EXPECT_EQ(folder.Count(), 0u);
}

TEST(GenerateTest, WritesNewFilesIntoARealFolder) {
  testing::TempFolder folder;
  const Generation first = Generate(YearFilesRequest{Years(2050, 2050), {}}, folder.path(), kNow);
  const Generation again = Generate(YearFilesRequest{Years(2050, 2050), {}}, folder.path(), kNow);
  ASSERT_FALSE(first.files.at(0).error);
  ASSERT_FALSE(again.files.at(0).error);
  // The same second gives the same name: the second run takes the next free one.
  EXPECT_EQ(again.files[0].path.filename(), "Tessarine_2050_130106-142530-2.ics");
  EXPECT_EQ(testing::ReadFile(again.files[0].path), testing::ReadFile(first.files[0].path));
}

// A temporary a killed run left behind goes at the next run of any kind,
// even one that writes without named temporaries, as on ext4.
TEST(GenerateTest, ARunRemovesAKilledRunsTemporaries) {
  testing::TempFolder folder;
  std::ofstream(folder.File(TemporaryName("Tessarine_2026.ics", 2147483646))) << std::string(1000, 'x');
  const Generation done = Generate(YearFilesRequest{Years(2026, 2026), TitleFormat{}}, folder.path(), kNow);
  ASSERT_FALSE(done.files.at(0).error);
  EXPECT_EQ(folder.Count(), 1u);
}

}  // namespace
}  // namespace tessarine
