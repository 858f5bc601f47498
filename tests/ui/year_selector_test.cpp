// The year boxes: typing, choosing, keeping the range in order, and the
// checks before generating.
#include "ui/window_fixture.h"

#include <QAbstractItemView>

namespace tessarine {
namespace {

using testing::WindowTest;
using testing::kDefaultTemplate;

TEST_F(WindowTest, StartYearTakesDigitsOnly) {
  Open();
  QLineEdit* edit = Find<QComboBox>("startYearBox")->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, "1a9- 5x0");
  EXPECT_EQ(edit->text(), "1950");
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(edit->text(), "1950");  // four characters at most
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "195");
  QGuiApplication::clipboard()->setText("x1");
  edit->paste();
  EXPECT_EQ(edit->text(), "195");
  QGuiApplication::clipboard()->setText("2");
  edit->paste();
  EXPECT_EQ(edit->text(), "1952");
  EXPECT_EQ(Find<QComboBox>("startYearBox")->count(), 88);  // a typed year does not join the list
}

TEST_F(WindowTest, YearBoxesKeepEachOtherInOrder) {
  Open();
  auto* startYears = Find<QComboBox>("startYearBox");
  auto* endYears = Find<QComboBox>("endYearBox");
  Find<QCheckBox>("endYearCheck")->click();
  EXPECT_TRUE(endYears->isEnabled());
  auto choose = [](QComboBox* box, const QString& year) {
    box->setCurrentIndex(box->findText(year));
    emit box->activated(box->currentIndex());
  };
  choose(startYears, "2030");
  EXPECT_EQ(endYears->currentText(), "2030");
  choose(endYears, "2020");
  EXPECT_EQ(startYears->currentText(), "2020");
  choose(endYears, "2040");
  EXPECT_EQ(startYears->currentText(), "2020");
  choose(startYears, "2045");
  EXPECT_EQ(endYears->currentText(), "2045");
  Find<QCheckBox>("endYearCheck")->click();
  EXPECT_FALSE(endYears->isEnabled());
  EXPECT_EQ(endYears->currentText(), "2045");
}

// A key step through the start list counts as a choice from the list, and
// starts from the year typed when that year is in the list.
TEST_F(WindowTest, ArrowKeysStepFromATypedYearAndKeepTheEndYearInOrder) {
  Open();
  auto* start = Find<QComboBox>("startYearBox");
  auto* end = Find<QComboBox>("endYearBox");
  Find<QCheckBox>("endYearCheck")->click();
  end->setCurrentIndex(end->findText("2033"));
  emit end->activated(end->currentIndex());
  start->lineEdit()->setFocus();
  start->lineEdit()->clear();
  QTest::keyClicks(start->lineEdit(), "2040");
  QTest::keyClick(start, Qt::Key_Down);
  EXPECT_EQ(start->currentText(), "2041");
  EXPECT_EQ(end->currentText(), "2041");
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(files.count("/opt/tessarine/Tessarine_2041_130106-142530.ics"), 1u);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].icon, QMessageBox::Information);  // no complaint about the order of the years
}

TEST_F(WindowTest, YearErrorsMoveTheFocusToTheBoxAtFault) {
  Open();
  auto* startYears = Find<QComboBox>("startYearBox");
  auto* endYears = Find<QComboBox>("endYearBox");
  Find<QCheckBox>("endYearCheck")->click();
  endYears->setCurrentIndex(endYears->findText("2030"));
  startYears->lineEdit()->setFocus();
  startYears->lineEdit()->clear();
  QTest::keyClicks(startYears->lineEdit(), "2040");  // typed, not chosen: the end year stays
  Find<QPushButton>("openFolderButton")->setFocus();
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "结束年份必需大于等于开始年份, 请重新输入.");
  EXPECT_TRUE(endYears->hasFocus());

  startYears->setEditText("1900");
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(shown.back().text, "年份必需在 1901 至 2100 之间, 请重新输入.");
  EXPECT_TRUE(startYears->hasFocus());
  EXPECT_TRUE(files.empty());
}

TEST_F(WindowTest, AYearThatIsNotANumberGoesToTheGeneralErrorReport) {
  Open();
  Find<QComboBox>("startYearBox")->setEditText("２０");
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "'２０' is not a valid integer value.");
  EXPECT_EQ(shown[0].caption, "Tessarine");
  EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(files.empty());
}


TEST_F(WindowTest, BothYearListsPopUpShort) {
  Open();
  Find<QCheckBox>("endYearCheck")->click();
  for (const char* name : {"startYearBox", "endYearBox"}) {
    auto* box = Find<QComboBox>(name);
    box->showPopup();
    QWidget* popup = box->view()->window();
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000)) << name;
    EXPECT_LE(box->view()->height(), 11 * box->view()->sizeHintForRow(0)) << name;
    EXPECT_GE(popup->geometry().top(), box->mapToGlobal(QPoint(0, 0)).y()) << name << ": opens below the box";
    box->hidePopup();
  }
}

}  // namespace
}  // namespace tessarine
