// The DGPA's 辦公日曆表 CSV read as downloaded: the rows the research quotes,
// every published year written out as the DGPA writes it and read back, a
// 修正版 that replaces rows of its year, and each kind of file refused.
#include "holidays/taiwan/office_calendar.h"

#include <gtest/gtest.h>

#include "holidays/taiwan/taiwan_schedule.h"
#include "support/dates.h"
#include "support/office_calendar_csv.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

constexpr const char* kHeader = "\xEF\xBB\xBF西元日期,星期,是否放假,備註\r\n";

std::string Csv(std::initializer_list<const char*> rows) {
  std::string csv = kHeader;
  for (const char* row : rows) csv.append(row).append("\r\n");
  return csv;
}

OfficeCalendar Read(std::string_view text) {
  auto read = ReadOfficeCalendar(text);
  if (auto* error = (read ? nullptr : &read.error())) {
    ADD_FAILURE() << "refused at line " << error->line << ": " << error->text;
    return {};
  }
  return std::move(read).value();
}

HolidayDay Off(sys_days date, const char* name) { return {date, HolidayKind::DayOff, name, HolidayStatus::Official}; }

// The lines of the 114年 修正版 the research quotes: a weekday off takes
// its 備註 (放假 when empty), a Saturday worked is a 補班, a weekend day
// off with a 備註 is that holiday; a working weekday and a plain weekend
// give nothing.
TEST(OfficeCalendarTest, QuotedRowsGiveTheirDays) {
  const OfficeCalendar file = Read(Csv({
      "20250101,三,2,開國紀念日", "20250102,四,0,", "20250104,六,2,", "20250127,一,2,小年夜",
      "20250128,二,2,農曆除夕", "20250208,六,0,補行上班", "20250403,四,2,補假", "20250404,五,2,兒童節及民族掃墓節",
      "20250928,日,2,孔子誕辰紀念日", "20250929,一,2,", "20251024,五,2,",
      "20251025,六,2,臺灣光復暨金門古寧頭大捷紀念日",
  }));
  EXPECT_EQ(file.year, 2025);
  EXPECT_FALSE(file.wholeYear);
  EXPECT_EQ(file.rows.size(), 12u);
  using testing::Date;
  const std::vector<HolidayDay> expected = {
      Off(Date(2025, 1, 1), "開國紀念日"),
      Off(Date(2025, 1, 27), "小年夜"),
      Off(Date(2025, 1, 28), "農曆除夕"),
      {Date(2025, 2, 8), HolidayKind::Workday, "補行上班", HolidayStatus::Official},
      Off(Date(2025, 4, 3), "補假"),
      Off(Date(2025, 4, 4), "兒童節及民族掃墓節"),
      Off(Date(2025, 9, 28), "孔子誕辰紀念日"),
      Off(Date(2025, 9, 29), "放假"),
      Off(Date(2025, 10, 24), "放假"),
      Off(Date(2025, 10, 25), "臺灣光復暨金門古寧頭大捷紀念日"),
  };
  EXPECT_EQ(file.schedule, (HolidaySchedule{2025, expected}));
  // Rows as 2018 wrote them, LF only and no byte-order mark.
  const OfficeCalendar old = Read("西元日期,星期,是否放假,備註\n20180331,六,0,調整上班\n20180406,五,2,調整放假\n");
  EXPECT_EQ(old.schedule.days, (std::vector<HolidayDay>{
                                   {Date(2018, 3, 31), HolidayKind::Workday, "調整上班", HolidayStatus::Official},
                                   Off(Date(2018, 4, 6), "調整放假"),
                               }));
}

// Every published year, written a row a day as the DGPA writes it, reads
// back as the built-in table.
TEST(OfficeCalendarTest, WholeYearsReadAsPublished) {
  for (const int year : PublishedTaiwanYears()) {
    const auto table = PublishedTaiwanSchedule(year);
    for (const char* lineEnd : {"\r\n", "\n"}) {
      const OfficeCalendar file = Read(testing::OfficeCalendarCsv(*table, lineEnd));
      EXPECT_TRUE(file.wholeYear) << year;
      EXPECT_EQ(file.schedule, *table) << year;
      const auto applied = ApplyOfficeCalendar(file, std::nullopt);
      ASSERT_TRUE(applied.has_value()) << year;
      EXPECT_EQ(applied.value(), *table) << year;
    }
  }
}

// A 修正版 holding only the rows it changes replaces those rows of the year
// and keeps the others: the 2025 revision added the 條例's days to the
// table approved in 2024.
TEST(OfficeCalendarTest, RevisionReplacesItsRows) {
  const HolidaySchedule revised = *PublishedTaiwanSchedule(2025);
  HolidaySchedule original = revised;
  std::erase_if(original.days, [](const HolidayDay& day) {
    const std::chrono::year_month_day ymd{day.date};
    return ymd.month() >= std::chrono::September && ymd != std::chrono::year{2025} / 10 / 6 &&
           ymd != std::chrono::year{2025} / 10 / 10;
  });
  const OfficeCalendar revision = Read(Csv({
      "20250928,日,2,孔子誕辰紀念日", "20250929,一,2,補假", "20251024,五,2,補假",
      "20251025,六,2,臺灣光復暨金門古寧頭大捷紀念日", "20251225,四,2,行憲紀念日",
  }));
  auto applied = ApplyOfficeCalendar(revision, original);
  ASSERT_TRUE(applied.has_value());
  EXPECT_EQ(applied.value(), revised);
  // A row back to an ordinary day removes the day: the 補班 of 02-08 undone.
  applied = ApplyOfficeCalendar(Read(Csv({"20250208,六,2,"})), revised);
  ASSERT_TRUE(applied.has_value());
  const auto& days = applied->days;
  EXPECT_EQ(days.size(), revised.days.size() - 1);
  EXPECT_TRUE(std::none_of(days.begin(), days.end(),
                           [](const HolidayDay& d) { return d.date == testing::Date(2025, 2, 8); }));
  // Without the year to change, nothing.
  for (const auto& known : {std::optional<HolidaySchedule>(), PublishedTaiwanSchedule(2024)}) {
    const auto refused = ApplyOfficeCalendar(revision, known);
    ASSERT_FALSE(refused.has_value());
    EXPECT_EQ(refused.error().problem, OfficeCalendarProblem::NothingToChange);
    EXPECT_EQ(refused.error().text, "2025");
  }
}

TEST(OfficeCalendarTest, RefusedWhole) {
  struct Case {
    std::string text;
    OfficeCalendarProblem problem;
    int line;
  };
  const std::string year = testing::OfficeCalendarCsv(*PublishedTaiwanSchedule(2026));
  const Case cases[] = {
      {"", OfficeCalendarProblem::WrongHeader, 1},
      {"日期,星期,是否放假\r\n20250101,三,2,開國紀念日\r\n", OfficeCalendarProblem::WrongHeader, 1},
      // The calendar-program variant of the data set has other columns.
      {"Subject,Start Date,All Day Event\r\n開國紀念日,2025/1/1,TRUE\r\n", OfficeCalendarProblem::WrongHeader, 1},
      {kHeader, OfficeCalendarProblem::NoRows, 0},
      {Csv({"20250101,三,2"}), OfficeCalendarProblem::WrongFieldCount, 2},
      {Csv({"20250101,三,2,開國紀念日,元旦"}), OfficeCalendarProblem::WrongFieldCount, 2},
      {Csv({"2025-01-01,三,2,開國紀念日"}), OfficeCalendarProblem::BadDate, 2},
      {Csv({"20250101,三,2,", "20250230,日,2,"}), OfficeCalendarProblem::BadDate, 3},
      {Csv({"20250101,四,2,開國紀念日"}), OfficeCalendarProblem::WrongWeekday, 2},
      // A year the calendar does not describe could not be kept in the list.
      {Csv({"21010101,六,2,開國紀念日"}), OfficeCalendarProblem::YearOutside, 2},
      {Csv({"19001231,一,0,"}), OfficeCalendarProblem::YearOutside, 2},
      {Csv({"20251231,三,0,", "20260101,四,2,開國紀念日"}), OfficeCalendarProblem::OtherYear, 3},
      {Csv({"20250102,四,0,", "20250101,三,2,開國紀念日"}), OfficeCalendarProblem::OutOfOrder, 3},
      {Csv({"20250101,三,2,開國紀念日", "20250101,三,2,開國紀念日"}), OfficeCalendarProblem::OutOfOrder, 3},
      {Csv({"20250101,三,1,開國紀念日"}), OfficeCalendarProblem::UnknownValue, 2},
      {Csv({"20250101,三,是,開國紀念日"}), OfficeCalendarProblem::UnknownValue, 2},
      // Cut short: the last line has no line end, inside its 備註 or after.
      {std::string(kHeader) + "20250101,三,2,開國紀", OfficeCalendarProblem::CutShort, 2},
      {year.substr(0, year.size() - 2), OfficeCalendarProblem::CutShort, 366},
  };
  for (const auto& c : cases) {
    const auto read = ReadOfficeCalendar(c.text);
    ASSERT_FALSE(read.has_value()) << c.text;
    EXPECT_EQ(read.error().problem, c.problem) << c.text;
    EXPECT_EQ(read.error().line, c.line) << c.text;
  }
  // Blank lines at the end are no rows; spaces around a field are dropped.
  EXPECT_EQ(Read(year + "\r\n\r\n").schedule, *PublishedTaiwanSchedule(2026));
  EXPECT_EQ(Read(Csv({"20250101, 三 ,2, 開國紀念日 "})).schedule.days.front().name, "開國紀念日");
}

}  // namespace
}  // namespace tessarine
