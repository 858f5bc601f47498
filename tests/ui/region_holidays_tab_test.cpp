// The 节假日 tab for each region chosen in 控制 → 地区: Korea's days from its
// rules and published years, its calendar written in Korean under its own
// name and UIDs, and Taiwan's and Hong Kong's published files imported from
// the tab, a cut one refused with nothing stored.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>

#include "holidays/region_holidays.h"
#include "support/office_calendar_csv.h"
#include "ui/holidays_tab.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

class RegionHolidaysTabTest : public WindowTest {
 protected:
  void ShowTab() { Find<QTabWidget>("formatTabs")->setCurrentIndex(3); }
  HolidaysTab* Tab() { return Find<HolidaysTab>("holidaysTab"); }
  // The row of `year` in the years list, or -1.
  int RowOf(int year) {
    auto* years = Find<QListWidget>("holidayYearsList");
    for (int row = 0; row < years->count(); ++row) {
      if (years->item(row)->text().startsWith(QString::number(year))) return row;
    }
    return -1;
  }
  // The table's rows as "date mark name".
  std::vector<std::string> DaysShown() {
    auto* table = Find<QTableWidget>("holidayDaysTable");
    std::vector<std::string> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
      rows.push_back((table->item(row, 0)->text() + " " + table->item(row, 2)->text() + " " + table->item(row, 3)->text())
                         .toStdString());
    }
    return rows;
  }
  std::string File(const std::string& text) {
    const std::string path = config.File("import.dat");
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(RegionHolidaysTabTest, KoreasYearsListedAndWrittenAsKoreas) {
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  Action("koreaRegionAction")->trigger();
  ShowTab();
  EXPECT_FALSE(Find<QPushButton>("pasteNoticeButton")->isVisible());  // the mainland's notice is no Korean year's
  EXPECT_FALSE(Find<QPushButton>("importFileButton")->isVisible());
  EXPECT_TRUE(Find<QLabel>("holidayStatusLabel")->text().contains("2018–2027 年按政府公布的安排"));
  auto* years = Find<QListWidget>("holidayYearsList");
  EXPECT_EQ(years->currentRow(), RowOf(2027));  // the last published year, not 2100 from the rules
  EXPECT_EQ(years->item(RowOf(2030))->text(), "2030 (推算)");
  years->setCurrentRow(RowOf(2026));
  const std::vector<std::string> days = DaysShown();
  for (const char* chuseok : {"2026-09-24 휴 추석 전날", "2026-09-25 휴 추석", "2026-09-26 휴 추석 다음 날"}) {
    EXPECT_NE(std::find(days.begin(), days.end(), chuseok), days.end()) << chuseok;
  }
  for (const std::string& day : days) EXPECT_EQ(day.find("2026-10-01"), std::string::npos) << day;  // China's 国庆

  years->clearSelection();
  years->item(RowOf(2026))->setSelected(true);
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(files.size(), 1u);
  const auto& [path, bytes] = *files.begin();
  EXPECT_NE(path.find("Tessarine_Holidays_Korea_2026-2026_261209-100000.ics"), std::string::npos) << path;
  EXPECT_NE(bytes.find("X-WR-CALNAME:대한민국 공휴일 2026\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("UID:20260925-holiday-kr@tessarine\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("SUMMARY:추석(휴)\r\n"), std::string::npos);
}

TEST_F(RegionHolidaysTabTest, TaiwansTableImportedFromTheTab) {
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  Action("taiwanRegionAction")->trigger();
  ShowTab();
  EXPECT_TRUE(Find<QPushButton>("importFileButton")->isVisible());
  EXPECT_FALSE(Find<QPushButton>("pasteNoticeButton")->isVisible());
  const std::string csv = testing::OfficeCalendarCsv(*RegionHolidaySchedule(Region::Taiwan, 2026));

  // Cut short, or another region's file: refused, and the list untouched.
  for (const std::string& refused : {csv.substr(0, csv.size() / 2), std::string("BEGIN:VCALENDAR\r\n")}) {
    EXPECT_FALSE(Tab()->importFile(QString::fromStdString(File(refused))));
    EXPECT_TRUE(Find<QLabel>("holidayStatusLabel")->text().contains("没有导入")) << refused.substr(0, 20);
    EXPECT_FALSE(std::filesystem::exists(config.File("holidays.csv")));
  }
  ASSERT_TRUE(Tab()->importFile(QString::fromStdString(File(csv))));
  EXPECT_EQ(Find<QListWidget>("holidayYearsList")->item(RowOf(2026))->text(), "2026 (自己添加)");
  EXPECT_NE(testing::ReadFile(config.File("holidays.csv")).find("\"tw\""), std::string::npos);
  EXPECT_EQ(Tab()->knownSchedules()[static_cast<std::size_t>(RowOf(2026))],
            *RegionHolidaySchedule(Region::Taiwan, 2026));

  // The mainland's years are as they were.
  Action("chinaRegionAction")->trigger();
  EXPECT_EQ(Find<QListWidget>("holidayYearsList")->item(RowOf(2026))->text(), "2026");
}

TEST_F(RegionHolidaysTabTest, HongKongsFeedImportedFromTheTab) {
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  Action("hongKongRegionAction")->trigger();
  ShowTab();
  const QString feed = QStringLiteral(TESSARINE_HK_FEEDS_DIR "/en.ics");
  ASSERT_TRUE(Tab()->importFile(feed));
  EXPECT_TRUE(Find<QLabel>("holidayStatusLabel")->text().contains("已导入 2024、2025 年"));
  EXPECT_EQ(Find<QListWidget>("holidayYearsList")->item(RowOf(2025))->text(), "2025 (自己添加)");
}

}  // namespace
}  // namespace tessarine
