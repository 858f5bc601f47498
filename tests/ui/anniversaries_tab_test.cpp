// The 纪念日 tab driven as a user would: rows added and typed, the list
// saved and loaded, bad cells marked, and the file generated.
#include <QSpinBox>
#include <QTableWidget>
#include <fstream>

#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

class AnniversariesTabTest : public WindowTest {
 protected:
  void ShowTab() { Find<QTabWidget>("formatTabs")->setCurrentIndex(2); }
  QTableWidget* Table() { return Find<QTableWidget>("entriesTable"); }
  void AddRow(const QString& name, const QString& date, const QString& firstYear = {}) {
    Find<QPushButton>("addButton")->click();
    const int row = Table()->rowCount() - 1;
    Table()->item(row, 0)->setText(name);
    Table()->item(row, 1)->setText(date);
    Table()->item(row, 2)->setText(firstYear);
  }
  std::string SavedList() { return testing::ReadFile(config.File("anniversaries.csv")); }
};

TEST_F(AnniversariesTabTest, AddARowGenerateAndReadTheFile) {
  Open();
  ShowTab();
  EXPECT_EQ(Find<QTabWidget>("formatTabs")->tabText(2), "纪念日");
  AddRow("妈妈生日", "三月初八", "1960");
  EXPECT_EQ(SavedList(), "\"妈妈生日\",\"三月初八\",\"1960\"\r\n");
  Find<QCheckBox>("remindCheck")->click();
  Find<QSpinBox>("remindDaysSpin")->setValue(0);
  Find<QPushButton>("generateButton")->click();

  const std::string path = "/opt/tessarine/Tessarine_Anniversaries_2013-2013_130106-142530.ics";
  ASSERT_EQ(files.count(path), 1u);
  EXPECT_EQ(testing::ParseCalendar(files[path]), (std::map<std::string, std::string>{{"20130417", "妈妈生日 (53)"}}));
  EXPECT_NE(files[path].find("TRIGGER:PT9H\r\n"), std::string::npos);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith(QString::fromStdString("成功生成 2013 年 农历纪念日 iCal 文件, 存放在以下目录: \r\n" + path)));
  EXPECT_TRUE(Preview().contains("X-WR-CALNAME:农历纪念日"));
}

TEST_F(AnniversariesTabTest, BadCellsAreMarkedLeftOutAndReported) {
  Open();
  ShowTab();
  AddRow("a", "十三月初一");
  AddRow("b", "正月初一", "x");
  AddRow("c", "正月十五");
  QTableWidgetItem* badDate = Table()->item(0, 1);
  EXPECT_EQ(badDate->background().color(), QColor(255, 205, 205));
  EXPECT_EQ(badDate->toolTip(), "没有这个农历月份");
  EXPECT_EQ(Table()->item(1, 2)->toolTip(), "起始年必须是四位数的年份, 不晚于 2100");
  EXPECT_EQ(Table()->item(2, 1)->toolTip(), "");
  Table()->item(0, 1)->setText("正月初二");
  EXPECT_EQ(Table()->item(0, 1)->toolTip(), "");  // mended

  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.contains("纪念日第 2 行有误, 未生成.")) << shown[0].text.toStdString();
  const auto events = testing::ParseCalendar(files.begin()->second);
  EXPECT_EQ(events.size(), 2u);  // a and c in 2013; b is left out
}

TEST_F(AnniversariesTabTest, TheListIsLoadedAtStartUpAndRemovalIsSaved) {
  std::ofstream(config.File("anniversaries.csv")) << "\xEF\xBB\xBF" "爷爷忌日,1950-02-17\n\"Wang, Li\",L4-15,2000\n";
  Open();
  ShowTab();
  ASSERT_EQ(Table()->rowCount(), 2);
  EXPECT_EQ(Table()->item(1, 0)->text(), "Wang, Li");
  EXPECT_EQ(Table()->item(1, 2)->text(), "2000");
  Table()->setCurrentCell(0, 0);
  Find<QPushButton>("removeButton")->click();
  EXPECT_EQ(SavedList(), "\xEF\xBB\xBF\"Wang, Li\",L4-15,2000\n");  // the rest byte for byte
  EXPECT_EQ(window->centralWidget()->size(), QSize(799, 306));
}

}  // namespace
}  // namespace tessarine
