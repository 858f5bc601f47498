#include "lists/holiday_list.h"

#include <gtest/gtest.h>

#include "support/dates.h"

namespace tessarine {
namespace {

CsvDocument Document(std::string_view text) { return LoadList(text).value().document; }

TEST(HolidayListTest, AStoredYearReplacesItsRowsAndKeepsTheRest) {
  CsvDocument document = Document("年份,日期,类别,名称\n# 自己加的\n2027,2027-01-01,休,元旦\n2027,2027-01-02,休,元旦\n");
  const HolidaySchedule y2027{2027, {{testing::Date(2027, 1, 1), HolidayKind::DayOff, "元旦"},
                                     {testing::Date(2027, 2, 6), HolidayKind::Workday, "春节"}}};
  StoreSchedule(document, y2027, Region::China);
  const HolidaySchedule y2008{2008, {{testing::Date(2007, 12, 29), HolidayKind::Workday, "元旦"}}};
  StoreSchedule(document, y2008, Region::China);
  EXPECT_EQ(DocumentText(document),
            "年份,日期,类别,名称\n# 自己加的\n"
            "\"2027\",\"2027-01-01\",\"休\",\"元旦\"\n\"2027\",\"2027-02-06\",\"班\",\"春节\"\n"
            "\"2008\",\"2007-12-29\",\"班\",\"元旦\"\n");
  const HolidayList read = ReadHolidayList(Document(DocumentText(document)));
  EXPECT_TRUE(read.errors.empty());
  ASSERT_EQ(read.years.size(), 2u);
  EXPECT_EQ(read.years.at(2027), y2027);

  // The user's 2008 replaces the built-in one; the user's 2027 is added.
  const std::vector<HolidaySchedule> known = KnownSchedules(read);
  EXPECT_EQ(known.front(), y2008);
  EXPECT_EQ(known.back(), y2027);
  EXPECT_EQ(known.size(), BuiltInHolidayYears().size() + 1);
}

TEST(HolidayListTest, BadRowsAreReportedWithTheirLines) {
  const HolidayList list = ReadHolidayList(
      Document("2027,2027-01-01,休,元旦\n2027,2027-02-30,休,春节\n2027,2027-02-01,假,春节\n\n2027,2027-02-02,班\n"
               "2027,2027-01-01,班,元旦\n2028,2027-12-31,班,元旦\n2027,2027-12-31,休,元旦\n"));
  ASSERT_EQ(list.errors.size(), 4u);
  EXPECT_EQ(list.errors[0].line, 2);
  EXPECT_EQ(list.errors[1].line, 3);
  EXPECT_EQ(list.errors[2].line, 5);
  EXPECT_EQ(list.errors[3].line, 6);  // one day both 休 and 班: two events would share a UID
  EXPECT_TRUE(list.errors[3].repeatedDate);
  EXPECT_EQ(list.years.at(2027).days.size(), 2u);  // a date may be named in two years' rows
  EXPECT_EQ(list.years.at(2028).days.size(), 1u);
}

// A date column not written yyyy-mm-dd makes no holiday row, whatever day
// it might be taken for: a row is never said to lie outside a year it was
// not read as.
TEST(HolidayListTest, ADateNotWrittenYyyyMmDdIsNoRow) {
  for (const char* row : {"2027,2027-2-01,休,春节", "2027,2027/02/01,休,春节", "2027,-027-02-01,休,春节",
                          "2027,20270-2-01,休,春节", "2027,２０２７-02-01,休,春节"}) {
    const HolidayList list = ReadHolidayList(Document(std::string("年份,日期,类别,名称\n") + row + "\n"));
    ASSERT_EQ(list.errors.size(), 1u) << row;
    EXPECT_EQ(list.errors[0].outside, HolidayRowError::Outside::Nothing) << row;
    EXPECT_FALSE(list.errors[0].repeatedDate) << row;
    EXPECT_TRUE(list.years.empty()) << row;
  }
}

// A year the calendar does not describe, or a date outside its row's year
// (and the December before, where a 元旦 block may begin), is a bad row: it
// would name a year nobody can ask for, or put a day into another year's
// file.
TEST(HolidayListTest, RowsOutsideTheirYearAreBadRows) {
  using Outside = HolidayRowError::Outside;
  const struct {
    const char* row;
    Outside outside;
  } cases[] = {
      {"2026,2026-01-01,休,元旦", Outside::Nothing},
      {"2026,2025-12-31,班,元旦", Outside::Nothing},  // the December before
      {"1901,1901-01-01,休,元旦", Outside::Nothing},
      {"2100,2100-12-31,休,元旦", Outside::Nothing},
      {"-5,2026-01-01,休,元旦", Outside::Year},
      {"99999,2026-01-01,休,元旦", Outside::Year},
      {"1900,1900-01-01,休,元旦", Outside::Year},
      {"2101,2101-01-01,休,元旦", Outside::Year},
      {"2026,2031-01-01,休,元旦", Outside::Date},
      {"2026,2027-01-01,休,元旦", Outside::Date},
      {"2026,2025-11-30,休,元旦", Outside::Date},  // before the December before
      {"2026,2024-12-31,休,元旦", Outside::Date},
      {"1901,1900-12-31,班,元旦", Outside::Date},  // a December the calendar does not describe
  };
  for (const auto& c : cases) {
    const HolidayList list = ReadHolidayList(Document(std::string("年份,日期,类别,名称\n") + c.row + "\n"));
    if (c.outside == Outside::Nothing) {
      EXPECT_TRUE(list.errors.empty()) << c.row;
      EXPECT_EQ(list.years.size(), 1u) << c.row;
      continue;
    }
    ASSERT_EQ(list.errors.size(), 1u) << c.row;
    EXPECT_EQ(list.errors[0].line, 2) << c.row;
    EXPECT_EQ(list.errors[0].text, c.row);
    EXPECT_EQ(list.errors[0].outside, c.outside) << c.row;
    EXPECT_TRUE(list.years.empty()) << c.row << ": a bad row makes no year";
  }
}

TEST(HolidayListTest, ReplacedRowsAreTheUsersOwn) {
  const HolidayList list = ReadHolidayList(Document("2027,2027-01-01,休,元旦\n2027,2027-03-08,休,妇女节(公司)\n"));
  const HolidaySchedule notice{2027, {{testing::Date(2027, 1, 1), HolidayKind::DayOff, "元旦"}}};
  const std::vector<HolidayDay> replaced = ReplacedRows(list, notice, Region::China);
  ASSERT_EQ(replaced.size(), 1u);
  EXPECT_EQ(replaced[0].name, "妇女节(公司)");
  EXPECT_TRUE(ReplacedRows(list, HolidaySchedule{2028, {}}, Region::China).empty());
}

}  // namespace
}  // namespace tessarine
