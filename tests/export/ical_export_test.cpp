#include "export/ical_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "calendar/day_info.h"
#include "compose/template_engine.h"
#include "export/ical_text.h"
#include "support/fake_platform.h"
#include "support/ical_check.h"

namespace tessarine {
namespace {

using testing::FakePlatform;
using testing::ParseCalendar;

constexpr std::string_view kFolder = "/opt/tessarine/";

std::string FileOf(int year) { return std::string(kFolder) + "Tessarine_" + std::to_string(year) + "_130106-142530.ics"; }

std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  while (!bytes.empty()) {
    const auto end = bytes.find("\r\n");
    EXPECT_NE(end, std::string_view::npos) << "a line without CR LF";
    if (end == std::string_view::npos) break;
    lines.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

class IcalExportTest : public ::testing::Test {
 protected:
  // Every file written is read back by libical and must hold, for every day
  // of its year, exactly the title that the engine gives that day.
  void ExpectFileMatchesEngine(int year) { ExpectFileMatchesEngine(platform, year); }
  void ExpectFileMatchesEngine(const FakePlatform& written, int year) {
    const auto file = written.files.find(FileOf(year));
    ASSERT_NE(file, written.files.end()) << year;
    const auto events = ParseCalendar(file->second);
    SummaryOptions copy = options;
    LunarCalendar fresh(copy);
    std::map<std::string, std::string> expected;
    const std::string yearText = std::to_string(year);
    for (std::chrono::sys_days date{std::chrono::year{year} / 1 / 1};
         date <= std::chrono::sys_days{std::chrono::year{year} / 12 / 31}; date += std::chrono::days{1}) {
      const std::string title = copy.bolDIY ? ExpandTemplate(fresh, copy.strDIY, date, copy.bolClearSpace)
                                            : GetDayInfo(fresh, date, yearText).Summary;
      if (!title.empty()) expected[DateStamp(std::chrono::year_month_day{date})] = title;
    }
    EXPECT_EQ(events, expected) << year;
  }

  SummaryOptions options;
  LunarCalendar calendar{options};
  FakePlatform platform;
  IcalExport exporter{calendar, platform};
};

TEST_F(IcalExportTest, YearChecks) {
  struct Case {
    std::string_view start, end;
    bool range;
    std::string_view message;
    YearBox focus;
  };
  const Case cases[] = {
      {"", "2013", false, kEmptyYearMessage, YearBox::Start},
      {"", "2013", true, kEmptyYearMessage, YearBox::Start},
      {"1900", "2013", false, kYearRangeMessage, YearBox::Start},
      {"2051", "2013", false, kYearRangeMessage, YearBox::Start},
      {"0000", "2013", false, kYearRangeMessage, YearBox::Start},
      {"2040", "2030", true, kYearOrderMessage, YearBox::End},
  };
  for (const auto& c : cases) {
    FakePlatform fresh;
    IcalExport exporter(calendar, fresh);
    options.bolYs = c.range;
    exporter.ExportRange(c.start, c.end);
    ASSERT_EQ(fresh.messages.size(), 1u) << c.start;
    EXPECT_EQ(fresh.messages[0].text, c.message);
    EXPECT_EQ(fresh.messages[0].caption, "提示");
    EXPECT_EQ(fresh.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(fresh.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fresh.focused, std::vector<YearBox>{c.focus});
    EXPECT_TRUE(fresh.files.empty());
    EXPECT_EQ(fresh.preview, "");
  }
}

TEST_F(IcalExportTest, YearTextsThatAreNotNumbers) {
  struct Case {
    std::string_view start, end;
    bool range;
    std::string_view error;
  };
  const Case cases[] = {
      {"20a3", "", false, "'20a3' is not a valid integer value"},
      {"\xEF\xBC\x92\xEF\xBC\x90\xEF\xBC\x91\xEF\xBC\x93", "", false,
       "'\xEF\xBC\x92\xEF\xBC\x90\xEF\xBC\x91\xEF\xBC\x93' is not a valid integer value"},
      {"2013", "", true, "'' is not a valid integer value"},
      {" 2013", "", false, "' 2013' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    options.bolYs = c.range;
    try {
      exporter.ExportRange(c.start, c.end);
      ADD_FAILURE() << "no error for " << c.start;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), c.error);
    }
  }
  EXPECT_TRUE(platform.files.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(IcalExportTest, NormalFormatYearFile) {
  exporter.ExportRange("2013", "2013");
  ASSERT_EQ(platform.written, std::vector<std::string>{FileOf(2013)});
  const std::string& file = platform.files[FileOf(2013)];
  EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF" "BEGIN:VCALENDAR\r\n"));
  EXPECT_TRUE(file.ends_with("END:VCALENDAR\r\n"));
  const auto lines = Lines(file);
  ASSERT_EQ(lines.size(), 3u + 8u * 365u + 1u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 11);
  const std::vector<std::string> expectedHead = {
      "BEGIN:VCALENDAR",
      "VERSION:2.0",
      "PRODID:Tessarine v1.12//EN",
      "BEGIN:VEVENT",
      "UID:20130101-130106-142530@tessarine",
      "DTSTART;VALUE=DATE:20130101",
      "DTEND;VALUE=DATE:20130102",
      "DTSTAMP:20130106T120000Z",
      "CREATED:20130106T120000Z",
      "SUMMARY:二十",
      "END:VEVENT",
  };
  EXPECT_EQ(head, expectedHead);
  EXPECT_EQ(lines[lines.size() - 6], "DTEND;VALUE=DATE:20140101");
  ExpectFileMatchesEngine(2013);
}

TEST_F(IcalExportTest, LeapDayAndShortMonths) {
  options.bolShowTip = false;
  exporter.ExportRange("2016", "2016");
  const std::string& file = platform.files[FileOf(2016)];
  EXPECT_NE(file.find("DTSTART;VALUE=DATE:20160229\r\n"), std::string::npos);
  EXPECT_EQ(file.find("DTSTART;VALUE=DATE:20160431"), std::string::npos);
  EXPECT_EQ(Lines(file).size(), 3u + 8u * 366u + 1u);
  exporter.ExportRange("2013", "2013");
  EXPECT_EQ(platform.files[FileOf(2013)].find("DTSTART;VALUE=DATE:20130229"), std::string::npos);
}

TEST_F(IcalExportTest, OptionSetsAgreeWithTheEngineAndParse) {
  struct Case {
    int year, mode, both;
    bool noFT, dongLa, custom, collapse;
    std::string_view templ;
    int events;  // -1: whatever the engine gives
  };
  const Case cases[] = {
      {2013, 3, 0, false, true, false, true, "", 24},
      {2013, 2, 0, false, true, false, true, "", 37},
      {2023, 1, 2, false, false, false, true, "", 365},
      {2033, 0, 1, true, true, false, true, "", 365},
      {2014, 0, 0, false, true, true, true, DefaultTemplate, 365},
      {2014, 0, 0, false, false, true, false, "LD LT LF CW", 365},
      {2019, 0, 0, false, true, true, true, "LT,LF;CF\\", 365},
      {2013, 0, 0, false, true, true, true, "", 0},
      {2013, 0, 0, false, true, true, false, "LT\r\nLF\nCF", -1},
  };
  for (const auto& c : cases) {
    FakePlatform fresh;
    IcalExport exporter(calendar, fresh);
    options = SummaryOptions{};
    options.bolShowTip = false;
    options.intDispMode = c.mode;
    options.intBothFT = c.both;
    options.bolNoFT = c.noFT;
    options.bolDongLa = c.dongLa;
    options.bolDIY = c.custom;
    options.bolClearSpace = c.collapse;
    options.strDIY = c.templ;
    exporter.ExportRange(std::to_string(c.year), "");
    ExpectFileMatchesEngine(fresh, c.year);
    if (c.events >= 0) {
      EXPECT_EQ(ParseCalendar(fresh.files[FileOf(c.year)]).size(), static_cast<std::size_t>(c.events))
          << c.year << " " << c.templ;
    }
  }
}

TEST_F(IcalExportTest, TitlesAreEscapedAsText) {
  options.bolDIY = true;
  options.bolClearSpace = false;
  options.strDIY = "a,b;c\\d\r\ne\nf\rg\xE2\x80\xA8h";
  exporter.ExportRange("2013", "");
  const std::string& file = platform.files[FileOf(2013)];
  EXPECT_NE(file.find("\r\nSUMMARY:a\\,b\\;c\\\\d\\ne\\nf\\ng\\nh\r\n"), std::string::npos);
  const auto events = ParseCalendar(file);
  ASSERT_EQ(events.size(), 365u);
  EXPECT_EQ(events.begin()->second, "a,b;c\\d\ne\nf\ng\nh");
  // The preview shows the file as written.
  EXPECT_NE(platform.preview.find("SUMMARY:a\\,b\\;c"), std::string::npos);
}

TEST_F(IcalExportTest, SingleYearCompletionAndPreview) {
  exporter.ExportRange("2013", "2030");
  const std::string completion = "成功生成 2013 年 iCal 文件, 存放在以下目录: \r\n" + FileOf(2013);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, completion + "\r\n\r\n是否打开所在文件夹?");
  EXPECT_EQ(platform.messages[0].caption, "提示");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(platform.fileManager.empty());
  const std::string& file = platform.files[FileOf(2013)];
  EXPECT_EQ(platform.preview, completion + "\r\n==========内容预览========== \r\n\r\n" + file.substr(3));
}

TEST_F(IcalExportTest, NoCompletionMessageWhenSwitchedOff) {
  options.bolShowTip = false;
  exporter.ExportRange("2013", "");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.preview.starts_with("\r\n==========内容预览========== \r\n\r\nBEGIN:VCALENDAR\r\n"));
}

TEST_F(IcalExportTest, RangeAsksOnceAfterTheLastYear) {
  options.bolYs = true;
  platform.answer = MessageAnswer::Yes;
  exporter.ExportRange("2013", "2015");
  EXPECT_EQ(platform.written, (std::vector<std::string>{FileOf(2013), FileOf(2014), FileOf(2015)}));
  ASSERT_EQ(platform.messages.size(), 1u);
  const std::string completion = "成功生成 2013 年至 2015 年 iCal 文件, 存放在以下目录: \r\n" + std::string(kFolder);
  EXPECT_EQ(platform.messages[0].text, completion + "\r\n\r\n是否打开所在文件夹?");
  EXPECT_EQ(platform.fileManager, std::vector<std::string>{"/n, /select, " + FileOf(2015)});
  EXPECT_TRUE(platform.preview.starts_with(completion + "\r\n==========内容预览========== \r\n\r\n"));
  EXPECT_NE(platform.preview.find("DTSTART;VALUE=DATE:20150101"), std::string::npos);
  for (int year = 2013; year <= 2015; ++year) ExpectFileMatchesEngine(year);
}

TEST_F(IcalExportTest, RangeOfOneYearUsesTheRangeMessage) {
  options.bolYs = true;
  exporter.ExportRange("2020", "2020");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.starts_with("成功生成 2020 年至 2020 年 iCal 文件"));
}

TEST_F(IcalExportTest, WriteFailuresAreReportedPerYearAndTheRangeGoesOn) {
  options.bolYs = true;
  platform.failWrites = true;
  exporter.ExportRange("2013", "2015");
  ASSERT_EQ(platform.messages.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const std::string failure = "无法生成 iCal 文件，请检查是否有写入文件权限：\r\n" + FileOf(2013 + i);
    EXPECT_EQ(platform.messages[i].text, failure);
    EXPECT_EQ(platform.messages[i].caption, "错误");
    EXPECT_EQ(platform.messages[i].icon, MessageIcon::Error);
    EXPECT_EQ(platform.messages[i].buttons, MessageButtons::Ok);
  }
  EXPECT_TRUE(platform.preview.starts_with("无法生成 iCal 文件，请检查是否有写入文件权限：\r\n" + FileOf(2015) +
                                           "\r\n==========内容预览=========="));
}

TEST_F(IcalExportTest, LeapStateIsResetEveryMonth) {
  options.intDispMode = 1;
  options.bolShowTip = false;
  exporter.ExportRange("1901", "");
  const std::string fresh = platform.files[FileOf(1901)];
  exporter.ExportRange("2033", "");
  exporter.ExportRange("1901", "");
  EXPECT_EQ(platform.files[FileOf(1901)], fresh);
  EXPECT_NE(fresh.find("DTSTART;VALUE=DATE:19010101\r\nDTEND;VALUE=DATE:19010102\r\nDTSTAMP:20130106T120000Z\r\n"
                       "CREATED:20130106T120000Z\r\nSUMMARY:冬月十一\r\n"),
            std::string::npos);
  EXPECT_NE(fresh.find("SUMMARY:冬月廿九\r\n"), std::string::npos);
}

TEST_F(IcalExportTest, OpenProgramFolderSelectsTheProgram) {
  exporter.OpenProgramFolder();
  EXPECT_EQ(platform.fileManager, std::vector<std::string>{"/n, /select, /opt/tessarine/tessarine"});
}

}  // namespace
}  // namespace tessarine
