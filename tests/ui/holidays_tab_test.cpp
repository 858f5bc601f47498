// The 节假日 tab driven as a user would: the known years, a notice pasted
// and kept, the holiday calendar generated, and the marks on the year files.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <fstream>

#include "ui/notice_dialog.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

class HolidaysTabTest : public WindowTest {
 protected:
  void ShowTab() { Find<QTabWidget>("formatTabs")->setCurrentIndex(3); }
  void ChooseYears(const QString& start, const QString& end) {
    if (!Find<QCheckBox>("endYearCheck")->isChecked()) Find<QCheckBox>("endYearCheck")->click();
    for (const auto& [name, year] : {std::pair{"startYearBox", start}, std::pair{"endYearBox", end}}) {
      auto* box = Find<QComboBox>(name);
      box->setCurrentIndex(box->findText(year));
      emit box->activated(box->currentIndex());
    }
  }
};

TEST_F(HolidaysTabTest, KnownYearsAndANoticeAddingTheNext) {
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  ShowTab();
  EXPECT_EQ(Find<QTabWidget>("formatTabs")->tabText(3), "节假日");
  auto* years = Find<QListWidget>("holidayYearsList");
  ASSERT_EQ(years->count(), 19);
  EXPECT_EQ(years->currentItem()->text(), "2026");
  EXPECT_EQ(Find<QTableWidget>("holidayDaysTable")->rowCount(), 39);

  Find<QPushButton>("pasteNoticeButton")->click();
  auto* dialog = window->findChild<NoticeDialog*>("noticeDialog");
  ASSERT_NE(dialog, nullptr);
  auto* save = dialog->findChild<QDialogButtonBox*>("noticeButtons")->button(QDialogButtonBox::Save);
  dialog->findChild<QPlainTextEdit*>("noticeEdit")->setPlainText("随便一段话");
  EXPECT_FALSE(save->isEnabled());
  EXPECT_TRUE(dialog->findChild<QPlainTextEdit*>("noticeResultView")->toPlainText().startsWith("无法读取"));
  dialog->findChild<QPlainTextEdit*>("noticeEdit")->setPlainText(
      "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假安排通知如下。\n一、元旦：1月1日放假，与周末连休。\n");
  ASSERT_TRUE(save->isEnabled());
  // Meanwhile tessarine-cli stores 2028: saving 2027 keeps it.
  std::ofstream(config.File("holidays.csv")) << "年份,日期,类别,名称\n2028,2028-01-01,休,元旦\n";
  save->click();
  ASSERT_EQ(years->count(), 21);
  EXPECT_EQ(years->item(19)->text(), "2027 (自己添加)");
  EXPECT_EQ(years->currentItem()->text(), "2027 (自己添加)");
  EXPECT_EQ(testing::ReadFile(config.File("holidays.csv")),
            "年份,日期,类别,名称\n2028,2028-01-01,休,元旦\n\"2027\",\"2027-01-01\",\"休\",\"元旦\"\n");
}

// A notice that would replace rows the user added to its year asks first.
TEST_F(HolidaysTabTest, ReplacingTheUsersOwnRowsIsAskedFirst) {
  const std::string own = "2027,2027-03-08,休,妇女节(公司)\n";
  std::ofstream(config.File("holidays.csv")) << own;
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  ShowTab();
  for (const auto reply : {QMessageBox::No, QMessageBox::Yes}) {
    Find<QPushButton>("pasteNoticeButton")->click();
    auto* dialog = window->findChild<NoticeDialog*>("noticeDialog");
    dialog->findChild<QPlainTextEdit*>("noticeEdit")->setPlainText(
        "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假安排通知如下。\n一、元旦：1月1日放假。\n");
    answer = reply;
    shown.clear();
    dialog->findChild<QDialogButtonBox*>("noticeButtons")->button(QDialogButtonBox::Save)->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.contains("2027-03-08 休 妇女节(公司)")) << shown[0].text.toStdString();
    EXPECT_EQ(testing::ReadFile(config.File("holidays.csv")) == own, reply == QMessageBox::No);
  }
}

// The tab's list decides what is written: the years selected there, not the
// year boxes; the tab says which years have no schedule; a year the user
// added can be removed, and Ctrl+Z brings it back.
TEST_F(HolidaysTabTest, TheListDecidesWhatIsWritten) {
  std::ofstream(config.File("holidays.csv")) << "2027,2027-01-01,休,元旦\n";
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  ShowTab();
  ChooseYears("2030", "2031");  // the year boxes play no part here
  EXPECT_TRUE(Find<QLabel>("holidayStatusLabel")->text().contains("已知 2008–2027 年（更早的年份未内置）。2028 年的通知公布后可粘贴加入"));
  auto* years = Find<QListWidget>("holidayYearsList");
  years->clearSelection();
  for (const int row : {16, 17}) years->item(row)->setSelected(true);  // 2024 and 2025
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(files.size(), 1u);
  const auto& [path, bytes] = *files.begin();
  EXPECT_NE(path.find("Tessarine_Holidays_2024-2025_261209-100000.ics"), std::string::npos);
  EXPECT_EQ(testing::ParseCalendar(bytes).size(), 69u);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成 2024、2025 年的法定节假日 iCal 文件")) << shown[0].text.toStdString();
  years->clearSelection();
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(files.size(), 1u);
  EXPECT_TRUE(shown.back().text.startsWith("请在【节假日】的年份列表中选择"));

  years->setCurrentRow(19);  // 2027 (自己添加)
  auto* remove = Find<QPushButton>("removeYearButton");
  ASSERT_TRUE(remove->isEnabled());
  remove->click();
  EXPECT_EQ(years->count(), 19);
  EXPECT_EQ(testing::ReadFile(config.File("holidays.csv")), "");
  Find<QTabWidget>("formatTabs")->currentWidget()->findChild<QAction*>("holidayUndoAction")->trigger();
  EXPECT_EQ(years->count(), 20);
  EXPECT_EQ(years->item(19)->text(), "2027 (自己添加)");
  years->setCurrentRow(0);
  EXPECT_FALSE(remove->isEnabled());  // a built-in year stays
  auto* table = Find<QTableWidget>("holidayDaysTable");
  EXPECT_EQ(table->item(0, 0)->text() + " " + table->item(0, 1)->text(), "2007-12-29 周六");  // 2008's first workday
}

TEST_F(HolidaysTabTest, MarksOnTheYearFilesAreRemembered) {
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  Action("holidayMarksAction")->trigger();
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(files.size(), 1u);
  const auto titles = testing::ParseCalendar(files.begin()->second);
  EXPECT_EQ(titles.at("20261001"), "廿一(休)");
  EXPECT_EQ(titles.at("20261010"), "九月(班)");
  EXPECT_EQ(titles.at("20261011"), "初二");
  Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));  // a new window remembers
  EXPECT_TRUE(Action("holidayMarksAction")->isChecked());
}

}  // namespace
}  // namespace tessarine
