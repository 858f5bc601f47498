// Taiwan's 辦公日曆表 and Hong Kong's feed imported into the list: read
// exactly, stored as their region's years beside the others', a revision
// applied to the year it changes, and a cut or foreign file refused.
#include "lists/region_import.h"

#include <gtest/gtest.h>

#include "holidays/region_holidays.h"
#include "lists/region_holiday_list.h"
#include "support/dates.h"
#include "support/office_calendar_csv.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::Date;

CsvDocument Document(std::string_view text) { return LoadList(text).value().document; }

std::string Feed(const char* name) { return testing::ReadFile(std::string(TESSARINE_HK_FEEDS_DIR) + "/" + name); }

constexpr std::string_view kMainland2026 = "年份,日期,类别,名称\n\"2026\",\"2026-10-01\",\"休\",\"国庆节\"\n";

// The header of a Big5 file as the DGPA saves it, and a revised row
// 20250127,一,0, (the day worked after all), byte by byte.
const std::string kBig5Revision =
    "\xA6\xE8\xA4\xB8\xA4\xE9\xB4\xC1,\xAC\x50\xB4\xC1,\xAC\x4F\xA7\x5F\xA9\xF1\xB0\xB2,\xB3\xC6\xB5\xF9\r\n"
    "20250127,\xA4\x40,0,\r\n";

RegionImport Imported(const auto& result) {
  EXPECT_TRUE(result.has_value()) << "refused";
  return result ? *result : RegionImport{};
}

TEST(RegionImportTest, TaiwansCalendarReadExactlyAndStoredAsTaiwans) {
  const HolidaySchedule published = *RegionHolidaySchedule(Region::Taiwan, 2026);
  CsvDocument document = Document(kMainland2026);
  const RegionImport year =
      Imported(ImportTaiwanCalendar(testing::OfficeCalendarCsv(published), ReadHolidayList(document)));
  ASSERT_EQ(year.years.size(), 1u);
  EXPECT_EQ(year.region, Region::Taiwan);
  EXPECT_EQ(year.years[0], published);
  EXPECT_TRUE(ReplacedRows(ReadHolidayList(document), year).empty());
  StoreImport(document, year);

  const HolidayList list = ReadHolidayList(Document(DocumentText(document)));
  EXPECT_TRUE(list.errors.empty());
  EXPECT_EQ(YearsOf(list, Region::Taiwan).at(2026), published);
  EXPECT_EQ(KnownSchedule(list, Region::Taiwan, 2026), published);
  ASSERT_EQ(list.years.at(2026).days.size(), 1u);  // the mainland's row stays
  EXPECT_EQ(list.years.at(2026).days[0].name, "国庆节");
}

// A 修正版 changes its rows of the year as known: the built-in table, or
// the one the user imported; a year with no table has nothing to change.
TEST(RegionImportTest, TaiwansRevisionChangesTheYearItRevises) {
  HolidaySchedule expected = *RegionHolidaySchedule(Region::Taiwan, 2025);
  std::erase_if(expected.days, [](const HolidayDay& day) { return day.date == Date(2025, 1, 27); });
  ASSERT_EQ(expected.days.size() + 1, RegionHolidaySchedule(Region::Taiwan, 2025)->days.size());
  const RegionImport revised = Imported(ImportTaiwanCalendar(kBig5Revision, HolidayList{}));
  ASSERT_EQ(revised.years.size(), 1u);
  EXPECT_EQ(revised.years[0], expected);

  // Revising the user's own 2025 (a single row) changes that.
  const HolidayList own =
      ReadHolidayList(Document("年份,日期,类别,名称,地区\n2025,2025-01-27,休,小年夜,tw\n2025,2025-01-28,休,除夕,tw\n"));
  const RegionImport ofOwn = Imported(ImportTaiwanCalendar(kBig5Revision, own));
  ASSERT_EQ(ofOwn.years.size(), 1u);
  ASSERT_EQ(ofOwn.years[0].days.size(), 1u);
  EXPECT_EQ(ofOwn.years[0].days[0].name, "除夕");
  ASSERT_EQ(ReplacedRows(own, ofOwn).size(), 1u);

  for (const char* row : {"20160104,一,0,\r\n", "20300107,一,0,\r\n"}) {
    const std::string file = "西元日期,星期,是否放假,備註\r\n" + std::string(row);
    const auto refused = ImportTaiwanCalendar(file, HolidayList{});
    ASSERT_FALSE(refused.has_value()) << row;
    EXPECT_EQ(refused.error().problem, OfficeCalendarProblem::NothingToChange) << row;
  }
}

TEST(RegionImportTest, HongKongsFeedReadExactlyAndStoredAsHongKongs) {
  CsvDocument document = Document(kMainland2026);
  const RegionImport feed = Imported(ImportHongKongFeed(Feed("en.ics")));
  EXPECT_EQ(feed.region, Region::HongKong);
  ASSERT_EQ(feed.years.size(), 2u);
  for (const HolidaySchedule& year : feed.years) EXPECT_EQ(year, *RegionHolidaySchedule(Region::HongKong, year.year));
  StoreImport(document, feed);
  const HolidayList list = ReadHolidayList(Document(DocumentText(document)));
  EXPECT_TRUE(list.errors.empty());
  EXPECT_EQ(YearsOf(list, Region::HongKong).size(), 2u);
  EXPECT_EQ(YearsOf(list, Region::HongKong).at(2024), feed.years[0]);
  EXPECT_EQ(YearsOf(list, Region::HongKong).at(2025), feed.years[1]);
  EXPECT_EQ(list.years.at(2026).days.size(), 1u);
}

// A file cut short, or one of the other region's or of no region, is
// refused whole; nothing comes of it to store.
TEST(RegionImportTest, CutAndForeignFilesRefused) {
  const std::string feed = Feed("tc.ics");
  const std::string csv = testing::OfficeCalendarCsv(*RegionHolidaySchedule(Region::Taiwan, 2026));
  const struct {
    std::string bytes;
    bool taiwan;  // given to Taiwan's import, else Hong Kong's
    int problem;  // the reader's problem, as a number
  } cases[] = {
      {csv.substr(0, csv.size() / 2), true, static_cast<int>(OfficeCalendarProblem::CutShort)},
      {csv.substr(0, csv.size() - 2), true, static_cast<int>(OfficeCalendarProblem::CutShort)},
      {feed, true, static_cast<int>(OfficeCalendarProblem::WrongHeader)},
      {std::string(kMainland2026), true, static_cast<int>(OfficeCalendarProblem::WrongHeader)},
      {feed.substr(0, feed.size() / 2), false, static_cast<int>(FeedProblem::CutShort)},
      {feed.substr(0, feed.rfind("END:VCALENDAR")), false, static_cast<int>(FeedProblem::CutShort)},
      {csv, false, static_cast<int>(FeedProblem::NotACalendar)},
      {std::string(kMainland2026), false, static_cast<int>(FeedProblem::NotACalendar)},
  };
  for (const auto& c : cases) {
    if (c.taiwan) {
      const auto read = ImportTaiwanCalendar(c.bytes, HolidayList{});
      ASSERT_FALSE(read.has_value()) << c.bytes.substr(0, 40);
      EXPECT_EQ(static_cast<int>(read.error().problem), c.problem) << c.bytes.substr(0, 40);
    } else {
      const auto read = ImportHongKongFeed(c.bytes);
      ASSERT_FALSE(read.has_value()) << c.bytes.substr(0, 40);
      EXPECT_EQ(static_cast<int>(read.error().problem), c.problem) << c.bytes.substr(0, 40);
    }
  }
}

}  // namespace
}  // namespace tessarine
