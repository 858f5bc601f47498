// The holiday list with a region on each row: a list written before the
// region column reads and writes as it did, each region's years are its own,
// a row of no region is refused with its line, and Korea's and Vietnam's
// rows join the built-in year while the others' replace it.
#include "lists/region_holiday_list.h"

#include <gtest/gtest.h>

#include "holidays/region_holidays.h"
#include "support/dates.h"
#include "support/schedule_days.h"

namespace tessarine {
namespace {

using testing::Date;
using testing::DayOf;

CsvDocument Document(std::string_view text) { return LoadList(text).value().document; }

HolidayDay Off(std::chrono::sys_days date, const char* name) { return {date, HolidayKind::DayOff, name}; }

// A list as the program wrote it before the region column: header, a
// comment, a hand-written row with its fifth column empty, quoted rows, CRLF.
constexpr std::string_view kOldList =
    "年份,日期,类别,名称\r\n# 公司的安排\r\n2028,2028-01-01,休,元旦,\r\n"
    "\"2027\",\"2027-01-01\",\"休\",\"元旦\"\r\n\"2027\",\"2027-02-06\",\"班\",\"春节\"\r\n";

TEST(RegionHolidayListTest, AListWithoutRegionsIsTheMainlandsAndWrittenAsItWas) {
  CsvDocument document = Document(kOldList);
  const HolidayList list = ReadHolidayList(document);
  EXPECT_TRUE(list.errors.empty());
  EXPECT_TRUE(list.regions.empty());
  ASSERT_EQ(list.years.size(), 2u);
  EXPECT_EQ(list.years.at(2027).days.size(), 2u);
  EXPECT_EQ(&YearsOf(list, Region::China), &list.years);
  EXPECT_TRUE(YearsOf(list, Region::Korea).empty());
  EXPECT_EQ(KnownSchedules(list, Region::China), KnownSchedules(list));

  // Storing the mainland's year as read writes the same bytes; so does a
  // Korean year stored and taken out again.
  StoreSchedule(document, list.years.at(2027), Region::China);
  EXPECT_EQ(DocumentText(document), kOldList);
  StoreSchedule(document, *RegionHolidaySchedule(Region::Korea, 2027), Region::Korea);
  EXPECT_NE(DocumentText(document).find("年份,日期,类别,名称,地区\r\n"), std::string::npos);
  RemoveSchedule(document, 2027, Region::Korea);
  EXPECT_EQ(DocumentText(document), kOldList);
}

// The region column is the one the header names 地区: a list that names
// none keeps its further columns as the user's own notes, even one that
// reads like a tag, and another region's rows get a column after them.
TEST(RegionHolidayListTest, FurtherColumnsOfTheUsersOwnStayTheirs) {
  for (const char* text : {"年份,日期,类别,名称,备注\n2027,2027-01-01,休,元旦,kr\n", "2027,2027-01-01,休,元旦,kr\n"}) {
    const HolidayList list = ReadHolidayList(Document(text));
    EXPECT_TRUE(list.errors.empty()) << text;
    EXPECT_TRUE(list.regions.empty()) << text;
    EXPECT_EQ(list.years.at(2027).days.size(), 1u) << text;
  }
  CsvDocument document = Document("年份,日期,类别,名称,备注\n2027,2027-01-01,休,元旦,kr\n");
  const HolidaySchedule kr{2027, {Off(Date(2027, 6, 3), "임시공휴일")}};
  StoreSchedule(document, kr, Region::Korea);
  EXPECT_EQ(DocumentText(document),
            "年份,日期,类别,名称,备注,地区\n2027,2027-01-01,休,元旦,kr\n"
            "\"2027\",\"2027-06-03\",\"休\",\"임시공휴일\",\"\",\"kr\"\n");
  const HolidayList list = ReadHolidayList(document);
  EXPECT_TRUE(list.errors.empty());
  EXPECT_EQ(list.years.at(2027).days.size(), 1u);
  EXPECT_EQ(YearsOf(list, Region::Korea).at(2027), kr);
  RemoveSchedule(document, 2027, Region::Korea);  // the user's header keeps its new column
  EXPECT_EQ(DocumentText(document), "年份,日期,类别,名称,备注,地区\n2027,2027-01-01,休,元旦,kr\n");
}

// Each region's rows are its own: storing one region's year leaves the
// same year of the others, and the list reads back what was stored.
TEST(RegionHolidayListTest, MixedRegions) {
  CsvDocument document = Document(kOldList);
  const HolidaySchedule kr{2027, {Off(Date(2027, 6, 3), "임시공휴일")}};
  const HolidaySchedule hk = *RegionHolidaySchedule(Region::HongKong, 2026);
  const HolidaySchedule vn{
      2027, {Off(Date(2027, 2, 5), "Tết Âm lịch"), {Date(2027, 2, 20), HolidayKind::Workday, "Tết Âm lịch"}}};
  StoreSchedule(document, kr, Region::Korea);
  StoreSchedule(document, hk, Region::HongKong);
  StoreSchedule(document, vn, Region::Vietnam);
  const std::string text = DocumentText(document);
  EXPECT_EQ(text.substr(0, text.find('\n') + 1), "年份,日期,类别,名称,地区\r\n");
  EXPECT_NE(text.find("\"2027\",\"2027-06-03\",\"休\",\"임시공휴일\",\"kr\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"2027\",\"2027-02-20\",\"班\",\"Tết Âm lịch\",\"vn\"\r\n"), std::string::npos);

  HolidayList list = ReadHolidayList(Document(text));
  EXPECT_TRUE(list.errors.empty());
  EXPECT_EQ(list.years.at(2027).days.size(), 2u);  // the mainland's 2027 as it was
  EXPECT_EQ(YearsOf(list, Region::Korea).at(2027), kr);
  EXPECT_EQ(YearsOf(list, Region::HongKong).at(2026), hk);
  EXPECT_EQ(YearsOf(list, Region::Vietnam).at(2027), vn);
  EXPECT_FALSE(list.regions.contains(Region::Taiwan));

  // Replacing Korea's 2027 reports the user's row, and leaves the others.
  const HolidaySchedule kr2 = *RegionHolidaySchedule(Region::Korea, 2027);
  ASSERT_EQ(ReplacedRows(list, kr2, Region::Korea).size(), 1u);
  EXPECT_TRUE(ReplacedRows(list, kr2, Region::Taiwan).empty());
  RemoveSchedule(document, 2027, Region::China);
  list = ReadHolidayList(document);
  EXPECT_FALSE(list.years.contains(2027));
  EXPECT_EQ(YearsOf(list, Region::Korea).at(2027), kr);
  EXPECT_EQ(YearsOf(list, Region::Vietnam).at(2027), vn);
}

// A region is cn, tw, hk, kr or vn (in any case) or nothing; Korea and Hong
// Kong never work a day in exchange, so a 班 of theirs is no day either.
TEST(RegionHolidayListTest, RowsOfNoRegionAreRefusedWithTheirLines) {
  using Fault = HolidayRowError::RegionFault;
  const struct {
    const char* row;
    Fault fault;
    std::optional<Region> region;  // where a good row goes
  } cases[] = {
      {"2027,2027-06-03,休,임시공휴일,kr", Fault::Nothing, Region::Korea},
      {"2027,2027-06-03,休,임시공휴일,KR", Fault::Nothing, Region::Korea},
      {"2027,2027-02-20,班,Tết Âm lịch,vn", Fault::Nothing, Region::Vietnam},
      {"2027,2027-02-20,班,補行上班,tw", Fault::Nothing, Region::Taiwan},
      {"2027,2027-01-01,休,元旦,", Fault::Nothing, Region::China},
      {"2027,2027-01-01,休,元旦,cn,extra", Fault::Nothing, Region::China},
      {"2027,2027-06-03,休,임시공휴일,jp", Fault::Unknown, std::nullopt},
      {"2027,2027-06-03,休,임시공휴일,韩国", Fault::Unknown, std::nullopt},
      {"2027,2027-06-03,休,임시공휴일, kr", Fault::Nothing, Region::Korea},
      {"2027,2027-06-05,班,임시공휴일,kr", Fault::NoWorkdays, std::nullopt},
      {"2027,2027-06-05,班,補假,hk", Fault::NoWorkdays, std::nullopt},
  };
  for (const auto& c : cases) {
    const HolidayList list = ReadHolidayList(Document(std::string("年份,日期,类别,名称,地区\n") + c.row + "\n"));
    if (c.region) {
      EXPECT_TRUE(list.errors.empty()) << c.row;
      EXPECT_EQ(YearsOf(list, *c.region).size(), 1u) << c.row;
      continue;
    }
    ASSERT_EQ(list.errors.size(), 1u) << c.row;
    EXPECT_EQ(list.errors[0].line, 2) << c.row;
    EXPECT_EQ(list.errors[0].text, c.row);
    EXPECT_EQ(list.errors[0].region, c.fault) << c.row;
    EXPECT_TRUE(list.years.empty() && list.regions.empty()) << c.row;
  }
  // The same date may be a row of two regions, not twice of one.
  const HolidayList twice =
      ReadHolidayList(Document("年份,日期,类别,名称,地区\n2027,2027-06-03,休,임시공휴일,kr\n2027,2027-06-03,休,假,"
                               "hk\n2027,2027-06-03,休,임시,kr\n"));
  ASSERT_EQ(twice.errors.size(), 1u);
  EXPECT_EQ(twice.errors[0].line, 4);
  EXPECT_TRUE(twice.errors[0].repeatedDate);
}

// Korea's and Vietnam's rows are days added to the built-in year; the
// others' rows are the year.
TEST(RegionHolidayListTest, RowsJoinOrReplaceTheBuiltInYear) {
  const HolidayList list = ReadHolidayList(
      Document("年份,日期,类别,名称,地区\n2027,2027-06-03,休,임시공휴일,kr\n2027,2027-02-08,休,설날 연휴,kr\n"
               "2030,2030-09-03,休,Quốc khánh,vn\n2026,2026-12-24,休,聖誕節前夕,hk\n"));
  ASSERT_TRUE(list.errors.empty());
  const HolidaySchedule builtIn = *RegionHolidaySchedule(Region::Korea, 2027);
  const auto kr = KnownSchedule(list, Region::Korea, 2027);
  ASSERT_TRUE(kr);
  EXPECT_EQ(kr->days.size(), builtIn.days.size() + 1);  // 02-08 in place of the built-in day
  EXPECT_EQ(DayOf(*kr, Date(2027, 6, 3))->name, "임시공휴일");
  EXPECT_EQ(DayOf(*kr, Date(2027, 2, 8))->name, "설날 연휴");
  EXPECT_EQ(DayOf(*kr, Date(2027, 2, 9))->name, "대체공휴일(설날)");
  EXPECT_TRUE(std::is_sorted(kr->days.begin(), kr->days.end(),
                             [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; }));

  const auto vn = KnownSchedule(list, Region::Vietnam, 2030);
  ASSERT_TRUE(vn);
  EXPECT_EQ(DayOf(*vn, Date(2030, 9, 3))->status, HolidayStatus::Official);
  EXPECT_EQ(DayOf(*vn, Date(2030, 9, 2))->status, HolidayStatus::Provisional);

  const auto hk = KnownSchedule(list, Region::HongKong, 2026);
  ASSERT_TRUE(hk);
  EXPECT_EQ(hk->days.size(), 1u);
  EXPECT_EQ(KnownSchedule(list, Region::HongKong, 2025), RegionHolidaySchedule(Region::HongKong, 2025));
  EXPECT_FALSE(KnownSchedule(list, Region::Taiwan, 2016));
  EXPECT_FALSE(KnownSchedule(list, Region::China, 2030));

  // Every known year of a region, the built-in span and the list's.
  const auto vnYears = KnownSchedules(list, Region::Vietnam);
  EXPECT_EQ(vnYears.front().year, 2023);
  EXPECT_EQ(vnYears.back().year, 2100);
  EXPECT_EQ(vnYears.size(), 78u);
  EXPECT_EQ(vnYears[2030 - 2023], *vn);
}

}  // namespace
}  // namespace tessarine
