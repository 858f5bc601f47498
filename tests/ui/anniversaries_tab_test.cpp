// The 纪念日 tab driven as a user would: rows added and typed, the list
// saved and loaded, bad cells marked, and the file generated.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QSpinBox>
#include <QTableView>
#include <fstream>

#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

class AnniversariesTabTest : public WindowTest {
 protected:
  void ShowTab() { Find<QTabWidget>("formatTabs")->setCurrentIndex(2); }
  QTableView* Table() { return Find<QTableView>("entriesTable"); }
  int Rows() { return Table()->model()->rowCount(); }
  QModelIndex Cell(int row, int column) { return Table()->model()->index(row, column); }
  QString Text(int row, int column) { return Cell(row, column).data().toString(); }
  QString Tip(int row, int column) { return Cell(row, column).data(Qt::ToolTipRole).toString(); }
  QString RowHeader(int row) { return Table()->model()->headerData(row, Qt::Vertical).toString(); }
  // Types into the cell's editor, as a user does, and commits it as Return
  // does (at once, where Return waits for the event loop).
  void Type(int row, int column, const QString& text) { testing::TypeInto(Table(), Cell(row, column), text); }
  void AddRow(const QString& name, const QString& date, const QString& firstYear = {}) {
    Find<QPushButton>("addButton")->click();
    const int row = Rows() - 1;
    Type(row, 0, name);
    Type(row, 1, date);
    Type(row, 2, firstYear);
  }
  std::string SavedList() { return testing::ReadFile(config.File("anniversaries.csv")); }
};

TEST_F(AnniversariesTabTest, AddARowGenerateAndReadTheFile) {
  Open();
  ShowTab();
  EXPECT_EQ(Find<QTabWidget>("formatTabs")->tabText(2), "纪念日");
  AddRow("妈妈生日", "三月初八", "1960");
  EXPECT_EQ(SavedList(), "\"妈妈生日\",\"三月初八\",\"1960\"\r\n");
  EXPECT_EQ(Text(0, 4), "三月初八 2013-04-17 周三");  // resolved, read-only
  EXPECT_FALSE(Table()->model()->flags(Cell(0, 4)).testFlag(Qt::ItemIsEditable));
  Find<QCheckBox>("remindCheck")->click();
  Find<QSpinBox>("remindDaysSpin")->setValue(0);
  Find<QPushButton>("generateButton")->click();

  const std::string path = "/opt/tessarine/Tessarine_Anniversaries_2013-2013_130106-142530.ics";
  ASSERT_EQ(files.count(path), 1u);
  EXPECT_EQ(testing::ParseCalendar(files[path]), (std::map<std::string, std::string>{{"20130417", "妈妈生日 (53)"}}));
  EXPECT_NE(files[path].find("TRIGGER:PT9H\r\n"), std::string::npos);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成 2013 年 农历纪念日 iCal 文件, 存放在以下目录: \r\n/opt/tessarine/\r\n"
                                       "文件：Tessarine_Anniversaries_2013-2013_130106-142530.ics"));
  EXPECT_TRUE(Preview().contains("X-WR-CALNAME:农历纪念日"));
}

// The next day is named in the files' language, with the entry's calendar
// named when it is not the one chosen.
TEST_F(AnniversariesTabTest, TheNextDayIsNamedInTheFilesLanguage) {
  Open();
  ShowTab();
  AddRow("外婆忌日", "腊月廿三");
  AddRow("제사", "12-23");
  Type(1, 3, "korean");
  const struct {
    const char* choice;
    const char* chinese;
    const char* korean;
  } cases[] = {
      {"simplifiedAction", "腊月廿三 2013-02-03 周日", "韩国阴历 腊月廿三 2013-02-03 周日"},
      {"traditionalAction", "臘月廿三 2013-02-03 周日", "韓國陰曆 臘月廿三 2013-02-03 周日"},
      {"koreanAction", "12월 23일 2013-02-03 周日", "음력 12월 23일 2013-02-03 周日"},
      {"vietnameseAction", "23 tháng Chạp 2013-02-03 周日", "Âm lịch Hàn Quốc 23 tháng Chạp 2013-02-03 周日"},
      // The files' calendar Korean: the entry naming none is the Chinese one's.
      {"koreanCalendarAction", "중국 음력 12월 23일 2013-02-03 周日", "12월 23일 2013-02-03 周日"},
  };
  for (const auto& c : cases) {
    Action(c.choice)->trigger();
    EXPECT_EQ(Text(0, 4).toStdString(), c.chinese) << c.choice;
    EXPECT_EQ(Text(1, 4).toStdString(), c.korean) << c.choice;
  }
}

TEST_F(AnniversariesTabTest, BadCellsAreMarkedLeftOutAndReported) {
  Open();
  ShowTab();
  AddRow("a", "十三月初一");
  AddRow("b", "正月初一", "x");
  AddRow("c", "正月十五");
  EXPECT_EQ(Cell(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 205, 205));
  EXPECT_EQ(Tip(0, 1), "没有这个农历月份");
  EXPECT_EQ(Tip(1, 2), "起始年必须是 1000 至 2100 之间的四位数年份");
  EXPECT_EQ(Tip(2, 1), "");
  Type(0, 1, "正月初二");
  EXPECT_EQ(Tip(0, 1), "");  // mended

  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.contains("纪念日第 2 行有误, 未生成.")) << shown[0].text.toStdString();
  const auto events = testing::ParseCalendar(files.begin()->second);
  EXPECT_EQ(events.size(), 2u);  // a and c in 2013; b is left out
}

// The calendar's column as tessarine-cli reads it: a name in any language or
// case, and anything else a red cell that says what to write, whatever
// calendar the 控制 menu shows.
TEST_F(AnniversariesTabTest, TheCalendarColumnIsReadAsOnTheCommandLine) {
  std::ofstream(config.File("anniversaries.csv")) << "x,1-1,,Koreen\ny,1월 1일,,한국\nz,1-1\n";
  Open();
  Action("koreanCalendarAction")->trigger();
  ShowTab();
  ASSERT_EQ(Rows(), 3);
  EXPECT_EQ(Cell(0, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 205, 205));
  EXPECT_EQ(Tip(0, 3), "不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；"
                       "备注请移到右边一栏");
  EXPECT_EQ(Tip(1, 3), "");
  // Named in the files' language, which the Korean calendar brought: the
  // empty one is the Chinese calendar, as on the command line, and says so.
  EXPECT_TRUE(Text(1, 4).startsWith("1월 1일 2013-02-10")) << Text(1, 4).toStdString();
  EXPECT_TRUE(Text(2, 4).startsWith("중국 음력 1월 1일 2013-02-10")) << Text(2, 4).toStdString();
}

TEST_F(AnniversariesTabTest, TheListIsLoadedAtStartUpAndRemovalIsSaved) {
  std::ofstream(config.File("anniversaries.csv")) << "\xEF\xBB\xBF" "爷爷忌日,1950-02-17\n\"Wang, Li\",L4-15,2000\n";
  Open();
  ShowTab();
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Text(1, 0), "Wang, Li");
  EXPECT_EQ(Text(1, 2), "2000");
  EXPECT_EQ(Text(0, 4), "正月初一 2013-02-10 周日");  // a Gregorian day resolved
  Table()->setCurrentIndex(Cell(0, 0));
  Find<QPushButton>("removeButton")->click();
  EXPECT_EQ(SavedList(), "\xEF\xBB\xBF\"Wang, Li\",L4-15,2000\n");  // the rest byte for byte
  EXPECT_EQ(window->centralWidget()->size(), QSize(799, 306));
}

// The window opens at its default size and grows: the text box and the
// table take the extra room, so a long list shows more rows.
TEST_F(AnniversariesTabTest, TheWindowGrowsAndTheTableWithIt) {
  std::string list;
  for (int i = 1; i <= 200; ++i) list += "第" + std::to_string(i) + "个,3-8\n";
  std::ofstream(config.File("anniversaries.csv")) << list;
  Open();
  ShowTab();
  EXPECT_EQ(window->centralWidget()->size(), QSize(799, 306));
  const int rowsBefore = Table()->viewport()->height() / Table()->verticalHeader()->defaultSectionSize();
  const int textBefore = Find<QStackedWidget>("sidePages")->width();
  const int tableBefore = Table()->width();
  window->resize(1200, 800);
  QApplication::processEvents();
  const int rowsAfter = Table()->viewport()->height() / Table()->verticalHeader()->defaultSectionSize();
  EXPECT_GT(rowsAfter, rowsBefore + 15);
  EXPECT_GT(Find<QStackedWidget>("sidePages")->width(), textBefore + 150);  // the width is shared
  EXPECT_GT(Table()->width(), tableBefore + 100);
}

// 名称 takes the room the other columns leave, however long the list: the
// numbers of 10,000 rows widen the row header until the others fill the
// table, and the names still fit in what is left.
TEST_F(AnniversariesTabTest, TheNamesTakeTheRoomLeft) {
  for (const int rows : {4, 10000}) {
    std::string list;
    for (int i = 1; i <= rows; ++i) list += "第" + std::to_string(i) + "个,3-8\n";
    std::ofstream(config.File("anniversaries.csv")) << list;
    Open();
    ShowTab();
    for (const QSize size : {QSize(), QSize(1200, 800)}) {
      if (size.isValid()) window->resize(size);
      QApplication::processEvents();
      int others = 0;
      for (int column = 1; column < Table()->model()->columnCount(); ++column) others += Table()->columnWidth(column);
      const int left = std::max(Table()->horizontalHeader()->minimumSectionSize(), Table()->viewport()->width() - others);
      EXPECT_EQ(Table()->columnWidth(0), left) << rows << " rows, " << window->width() << " wide";
    }
  }
}

// Ctrl+Z undoes the last change to the table, and the file follows.
TEST_F(AnniversariesTabTest, CtrlZUndoesTheLastChange) {
  std::ofstream(config.File("anniversaries.csv")) << "a,1-1\nb,2-2\nc,3-3\n";
  Open();
  ShowTab();
  Type(0, 0, "changed");
  EXPECT_EQ(SavedList(), "\"changed\",\"1-1\",\"\"\nb,2-2\nc,3-3\n");
  Table()->setFocus();
  QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(SavedList(), "a,1-1\nb,2-2\nc,3-3\n");
  EXPECT_EQ(Text(0, 0), "a");
  // Removing two selected rows at once, then undoing it.
  Table()->selectRow(0);
  Table()->selectionModel()->select(Table()->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  Find<QPushButton>("removeButton")->click();
  EXPECT_EQ(SavedList(), "b,2-2\n");
  Table()->setFocus();
  QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(SavedList(), "a,1-1\nb,2-2\nc,3-3\n");
  EXPECT_EQ(Rows(), 3);
}

// A list kept by hand survives the window: an edit changes its row alone.
TEST_F(AnniversariesTabTest, AHandKeptListChangesOnlyInTheEditedRow) {
  const std::string before = "\xEF\xBB\xBF名称,日期,起始年\r\n# 家里\r\n妈妈生日,三月初八,1960,备注\r\n\r\n爸爸生日,腊月廿三\r\n";
  std::ofstream(config.File("anniversaries.csv")) << before;
  Open();
  ShowTab();
  ASSERT_EQ(Rows(), 2);
  Type(1, 2, "1958");
  std::string after = before;
  after.replace(after.find("爸爸生日,腊月廿三"), std::string("爸爸生日,腊月廿三").size(), "\"爸爸生日\",\"腊月廿三\",\"1958\"");
  EXPECT_EQ(SavedList(), after);
}

// Excel and WPS save a list in GBK: it is read, and saved as UTF-8 once edited.
TEST_F(AnniversariesTabTest, AGbkListIsReadAndSavedAsUtf8) {
  std::ofstream(config.File("anniversaries.csv")) << "\xC2\xE8\xC2\xE8,3-8\r\n";  // 妈妈 in GBK
  Open();
  ShowTab();
  EXPECT_EQ(Text(0, 0), "妈妈");
  EXPECT_TRUE(Find<QLabel>("problemLabel")->text().contains("保存为 UTF-8"));
  Type(0, 2, "1960");
  EXPECT_EQ(SavedList(), "\"妈妈\",\"3-8\",\"1960\"\r\n");
}

// A file that is not a list is never saved over: the tab says why and where,
// and edits again only after the user starts a new list, keeping a backup.
TEST_F(AnniversariesTabTest, AFileThatIsNotAListIsNeverSavedOver) {
  const std::string unreadable = "妈妈生日,三月初八\n\"爸爸生日,腊月廿三\n外婆,5-5\n";
  std::ofstream(config.File("anniversaries.csv")) << unreadable;
  Open();
  ShowTab();
  EXPECT_FALSE(Table()->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("addButton")->isEnabled());
  EXPECT_TRUE(Find<QLabel>("problemLabel")->text().contains("第 2 行的引号没有闭合"));
  Find<QPushButton>("openListFolderButton")->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), config.path().string());
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.contains("无法作为列表读取"));
  EXPECT_TRUE(files.empty());
  EXPECT_EQ(SavedList(), unreadable);

  Find<QPushButton>("newListButton")->click();
  EXPECT_TRUE(Table()->isEnabled());
  AddRow("妈妈生日", "三月初八");
  EXPECT_EQ(SavedList(), "\"妈妈生日\",\"三月初八\",\"\"\r\n");
  int backups = 0;
  for (const auto& entry : std::filesystem::directory_iterator(config.path())) {
    if (entry.path().extension() == ".bak") backups += testing::ReadFile(entry.path()) == unreadable;
  }
  EXPECT_EQ(backups, 1);
}

// A list changed by another program while the window is open is read again,
// never overwritten.
// Another program changed the file after the window read it: an edit to
// another row is merged into the file as it is; an edit to the same row
// keeps both versions.
TEST_F(AnniversariesTabTest, AnEditMeetsAnotherProgramsChange) {
  std::ofstream(config.File("anniversaries.csv")) << "a,1-1\n";
  Open();
  ShowTab();
  std::ofstream(config.File("anniversaries.csv")) << "a,1-1\nb,2-2\n";  // an editor adds a row
  Type(0, 0, "changed");
  EXPECT_EQ(SavedList(), "\"changed\",\"1-1\",\"\"\nb,2-2\n");
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Text(1, 0), "b");

  std::ofstream(config.File("anniversaries.csv")) << "theirs,1-1\nb,2-2\n";  // the same row, changed there
  Type(0, 0, "ours");
  EXPECT_EQ(SavedList(), "theirs,1-1\nb,2-2\n");
  EXPECT_EQ(Text(0, 0), "theirs");
  EXPECT_TRUE(Find<QLabel>("problemLabel")->text().contains("你的版本另存为"));
  std::string mine;
  for (const auto& entry : std::filesystem::directory_iterator(config.path())) {
    if (entry.path().string().ends_with(".mine.csv")) mine = testing::ReadFile(entry.path());
  }
  EXPECT_EQ(mine, "\"ours\",\"1-1\",\"\"\nb,2-2\n");
}

TEST_F(AnniversariesTabTest, AFailedSaveIsShownAndItsRowMarked) {
  Open();
  ShowTab();
  std::filesystem::remove_all(config.path());
  std::ofstream(config.path()) << "a file where the folder was";
  AddRow("妈妈生日", "三月初八");
  EXPECT_TRUE(Find<QLabel>("problemLabel")->text().startsWith("保存纪念日列表失败"));
  EXPECT_EQ(RowHeader(0), "1*");
  std::filesystem::remove(config.path());
  std::filesystem::create_directory(config.path());
  Type(0, 2, "1960");
  EXPECT_EQ(RowHeader(0), "1");
  EXPECT_EQ(SavedList(), "\"妈妈生日\",\"三月初八\",\"1960\"\r\n");
}

TEST_F(AnniversariesTabTest, RepeatsAreMarkedAndAnEmptyListGeneratesNothing) {
  Open();
  ShowTab();
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "纪念日列表中没有可用的纪念日，未生成文件。");
  EXPECT_TRUE(files.empty());
  AddRow("妈妈生日", "三月初八", "1960");
  AddRow("妈妈生日", "3-8");
  EXPECT_EQ(Tip(1, 0), "与第 1 行的名称和日期相同");
  EXPECT_EQ(Tip(0, 0), "");
}

}  // namespace
}  // namespace tessarine
