// Whole files compared byte for byte with files checked by hand, under a
// fixed clock. Set TESSARINE_UPDATE_GOLDEN=1 to rewrite them after an
// intended change, and review the difference before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "compose/template_engine.h"
#include "export/ical_export.h"
#include "support/fake_platform.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

TEST(GoldenFilesTest, WholeFilesAsWritten) {
  struct Case {
    std::string name;
    int year;
    int mode, both;
    bool dongLa, custom, collapse;
    std::string_view templ;
  };
  const Case cases[] = {
      {"2013-normal.ics", 2013, 0, 0, true, false, true, ""},
      {"2023-month-date-both-plain.ics", 2023, 1, 2, false, false, true, ""},
      {"2033-terms.ics", 2033, 3, 0, true, false, true, ""},
      {"2014-default-template.ics", 2014, 0, 0, true, true, true, DefaultTemplate},
      {"2020-template-keep-spaces.ics", 2020, 0, 0, true, true, false, "LD LT LF CF, CW;"},
  };
  const bool update = std::getenv("TESSARINE_UPDATE_GOLDEN") != nullptr;
  for (const auto& c : cases) {
    SummaryOptions options;
    options.intDispMode = c.mode;
    options.intBothFT = c.both;
    options.bolDongLa = c.dongLa;
    options.bolDIY = c.custom;
    options.bolClearSpace = c.collapse;
    options.strDIY = c.templ;
    LunarCalendar calendar(options);
    testing::FakePlatform platform;
    IcalExport(calendar, platform).ExportRange(std::to_string(c.year), "");
    ASSERT_EQ(platform.written.size(), 1u);
    const std::string& file = platform.files[platform.written[0]];
    testing::ParseCalendar(file);

    const std::string golden = std::string(TESSARINE_GOLDEN_DIR) + "/" + c.name;
    if (update) std::ofstream(golden, std::ios::binary) << file;
    EXPECT_TRUE(file == testing::ReadFile(golden)) << c.name << " differs from its golden file";
  }
}

}  // namespace
}  // namespace tessarine
