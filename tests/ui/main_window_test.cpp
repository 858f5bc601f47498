#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "compose/template_engine.h"
#include "support/ical_check.h"
#include "ui/instructions.h"
#include "ui/token_label.h"

namespace tessarine {
namespace {

struct Shown {
  QString text, caption;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// The real window, with the desktop replaced: a fixed clock, recorded
// message boxes, files kept in memory.
class WindowTest : public ::testing::Test {
 protected:
  void Open(QDateTime now = QDateTime(QDate(2013, 1, 6), QTime(14, 25, 30))) {
    DesktopServices services;
    services.Now = [now] { return now; };
    services.ShowMessage = [this](QWidget* owner, const QString& text, const QString& caption,
                                  QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
      EXPECT_EQ(owner, window.get());
      shown.push_back({text, caption, icon, buttons});
      return buttons.testFlag(QMessageBox::Yes) ? answer : QMessageBox::Ok;
    };
    services.ProgramFilePath = [] { return QString("/opt/tessarine/tessarine"); };
    services.WriteFile = [this](const std::string& path, std::string_view bytes) {
      if (failWrites) return false;
      testing::ParseCalendar(bytes);
      files[path] = std::string(bytes);
      return true;
    };
    services.ShowInFileManager = [this](const QString& path) { fileManager.push_back(path); };
    services.OpenUrl = [this](const QUrl& address) { opened.push_back(address); };
    window = std::make_unique<TForm1>(std::move(services));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = window->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  QString Preview() { return Find<QPlainTextEdit>("redt1")->toPlainText(); }

  std::unique_ptr<TForm1> window;
  std::vector<Shown> shown;
  QMessageBox::StandardButton answer = QMessageBox::No;
  bool failWrites = false;
  std::map<std::string, std::string> files;
  std::vector<QString> fileManager;
  std::vector<QUrl> opened;
};

const QString kDefaultTemplate = QString::fromUtf8(DefaultTemplate.data(), DefaultTemplate.size());

TEST_F(WindowTest, StartUpState) {
  Open();
  EXPECT_EQ(window->windowTitle(), "Tessarine");
  EXPECT_EQ(window->centralWidget()->size(), QSize(799, 306));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

  auto* cbbY1 = Find<QComboBox>("cbbY1");
  auto* cbbY2 = Find<QComboBox>("cbbY2");
  ASSERT_EQ(cbbY1->count(), 38);
  EXPECT_EQ(cbbY1->itemText(0), "2013");
  EXPECT_EQ(cbbY1->itemText(37), "2050");
  EXPECT_EQ(cbbY1->currentText(), "2013");
  EXPECT_EQ(cbbY2->currentText(), "2013");
  EXPECT_FALSE(cbbY2->isEnabled());
  EXPECT_FALSE(cbbY2->isEditable());
  EXPECT_FALSE(Find<QCheckBox>("chkYEnd")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("rb6")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("rb3")->isChecked());
  EXPECT_EQ(Find<QTabWidget>("pgc1")->currentIndex(), 0);
  EXPECT_TRUE(Action("N5")->isChecked());
  EXPECT_TRUE(Action("P1")->isChecked());
  EXPECT_EQ(Find<QPushButton>("btn3")->text(), "生成 i&Cal");

  const SummaryOptions& options = window->Options();
  EXPECT_FALSE(options.bolYs);
  EXPECT_FALSE(options.bolDIY);
  EXPECT_EQ(options.intDispMode, 0);
  EXPECT_EQ(options.intBothFT, 0);
  EXPECT_FALSE(options.bolNoFT);
  EXPECT_TRUE(options.bolDongLa);
  EXPECT_TRUE(options.bolShowTip);
  EXPECT_TRUE(options.bolClearSpace);
  EXPECT_EQ(options.strDIY, std::string(DefaultTemplate));

  EXPECT_EQ(Find<QLineEdit>("edtDIY")->text(), kDefaultTemplate);
  EXPECT_EQ(Find<QLineEdit>("edtPreview")->text(), "甲午年【马】 八月十五 2014年 14/9/8 周一 白露 中秋");
  EXPECT_EQ(Preview(), QString::fromUtf8(InstructionsText().data()).replace("\r\n", "\n"));
}

TEST_F(WindowTest, AfterTwentyFiftyTheListsAreEmptyAndGeneratingSaysSo) {
  Open(QDateTime(QDate(2051, 3, 1), QTime(9, 0)));
  EXPECT_EQ(Find<QComboBox>("cbbY1")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("cbbY2")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("cbbY1")->currentText(), "");
  Find<QPushButton>("btn3")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "年份不能为空, 请重新输入.");
  EXPECT_EQ(shown[0].caption, "提示");
  EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(files.empty());
}

TEST_F(WindowTest, StartYearTakesDigitsOnly) {
  Open();
  QLineEdit* edit = Find<QComboBox>("cbbY1")->lineEdit();
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
  EXPECT_EQ(Find<QComboBox>("cbbY1")->count(), 38);  // a typed year does not join the list
}

TEST_F(WindowTest, YearBoxesKeepEachOtherInOrder) {
  Open();
  auto* cbbY1 = Find<QComboBox>("cbbY1");
  auto* cbbY2 = Find<QComboBox>("cbbY2");
  Find<QCheckBox>("chkYEnd")->click();
  EXPECT_TRUE(window->Options().bolYs);
  EXPECT_TRUE(cbbY2->isEnabled());
  auto choose = [](QComboBox* box, const QString& year) {
    box->setCurrentIndex(box->findText(year));
    emit box->activated(box->currentIndex());
  };
  choose(cbbY1, "2030");
  EXPECT_EQ(cbbY2->currentText(), "2030");
  choose(cbbY2, "2020");
  EXPECT_EQ(cbbY1->currentText(), "2020");
  choose(cbbY2, "2040");
  EXPECT_EQ(cbbY1->currentText(), "2020");
  choose(cbbY1, "2045");
  EXPECT_EQ(cbbY2->currentText(), "2045");
  Find<QCheckBox>("chkYEnd")->click();
  EXPECT_FALSE(window->Options().bolYs);
  EXPECT_FALSE(cbbY2->isEnabled());
  EXPECT_EQ(cbbY2->currentText(), "2045");
}

TEST_F(WindowTest, NoFestivalsOrTermsDisablesFiveButtons) {
  Open();
  auto* rb7 = Find<QRadioButton>("rb7");
  auto* rb9 = Find<QRadioButton>("rb9");
  rb9->click();
  EXPECT_EQ(window->Options().intDispMode, 3);
  Find<QRadioButton>("rb5")->click();
  EXPECT_EQ(window->Options().intBothFT, 2);

  Find<QCheckBox>("chkNoFT")->click();
  EXPECT_TRUE(window->Options().bolNoFT);
  for (const char* name : {"rb3", "rb4", "rb5", "rb8", "rb9"}) EXPECT_FALSE(Find<QRadioButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QRadioButton>("rb6")->isChecked());
  EXPECT_EQ(window->Options().intDispMode, 0);

  Find<QCheckBox>("chkNoFT")->click();
  for (const char* name : {"rb3", "rb4", "rb5", "rb8", "rb9"}) EXPECT_TRUE(Find<QRadioButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QRadioButton>("rb6")->isChecked());

  rb7->click();
  Find<QCheckBox>("chkNoFT")->click();
  EXPECT_TRUE(rb7->isChecked());
  EXPECT_EQ(window->Options().intDispMode, 1);
}

TEST_F(WindowTest, TabsAndMonthNames) {
  Open();
  auto* pgc1 = Find<QTabWidget>("pgc1");
  pgc1->setCurrentIndex(1);
  EXPECT_TRUE(window->Options().bolDIY);
  pgc1->setCurrentIndex(0);
  EXPECT_FALSE(window->Options().bolDIY);

  auto* edtDIY = Find<QLineEdit>("edtDIY");
  auto* preview = Find<QLineEdit>("edtPreview");
  edtDIY->setText("LM");
  Find<QDateEdit>("dtp1")->setDate(QDate(2013, 12, 4));
  EXPECT_EQ(preview->text(), "冬月");
  Action("N5")->trigger();
  EXPECT_FALSE(window->Options().bolDongLa);
  EXPECT_EQ(preview->text(), "冬月");  // no refresh until the template, date or switch changes
  Find<QDateEdit>("dtp1")->setDate(QDate(2013, 12, 5));
  EXPECT_EQ(preview->text(), "十一月");
  Action("N5")->trigger();
  EXPECT_TRUE(window->Options().bolDongLa);
  Action("P1")->trigger();
  EXPECT_FALSE(window->Options().bolShowTip);
}

TEST_F(WindowTest, CustomFormatControls) {
  Open();
  Find<QTabWidget>("pgc1")->setCurrentIndex(1);
  auto* edtDIY = Find<QLineEdit>("edtDIY");
  auto* preview = Find<QLineEdit>("edtPreview");
  auto* clearSpace = Find<QCheckBox>("chkClearSpace");
  EXPECT_EQ(clearSpace->toolTip(), "将多个空格合并为一个空格");
  EXPECT_EQ(Find<QDateEdit>("dtp1")->minimumDate(), QDate(1901, 1, 1));
  EXPECT_EQ(Find<QDateEdit>("dtp1")->maximumDate(), QDate(2050, 12, 31));

  Find<QPushButton>("btn5")->click();
  EXPECT_EQ(edtDIY->text(), "");
  EXPECT_EQ(preview->text(), "");
  edtDIY->setText("LD LT LF CW");
  Find<QDateEdit>("dtp1")->setDate(QDate(2013, 1, 2));
  EXPECT_EQ(preview->text(), "廿一 三");
  clearSpace->click();
  EXPECT_FALSE(window->Options().bolClearSpace);
  EXPECT_EQ(preview->text(), "廿一   三");

  // A token label appends at the end, whatever is selected, and puts the
  // caret after it.
  edtDIY->setSelection(0, 2);
  auto* lblCW = Find<TokenLabel>("lblCW");
  EXPECT_EQ(lblCW->text(), " 星期 - CW ");
  QTest::mouseClick(lblCW, Qt::LeftButton);
  EXPECT_EQ(edtDIY->text(), "LD LT LF CWCW");
  EXPECT_FALSE(edtDIY->hasSelectedText());
  EXPECT_EQ(edtDIY->cursorPosition(), edtDIY->text().size());
  EXPECT_EQ(window->Options().strDIY, "LD LT LF CWCW");
  EXPECT_EQ(preview->text(), "廿一   三三");

  EXPECT_TRUE(lblCW->font().bold());
  window->SetTokenHover(lblCW, true);
  EXPECT_FALSE(lblCW->font().bold());
  EXPECT_EQ(lblCW->cursor().shape(), Qt::PointingHandCursor);
  window->SetTokenHover(lblCW, false);
  EXPECT_TRUE(lblCW->font().bold());

  Find<QPushButton>("btnDefDiy")->click();
  EXPECT_EQ(edtDIY->text(), kDefaultTemplate);

  const QString longTemplate = QString("LD  ").repeated(25000);  // 100,000 characters
  edtDIY->setText(longTemplate);
  EXPECT_EQ(edtDIY->text().size(), 100000);
  EXPECT_EQ(preview->text(), QString("廿一  ").repeated(25000).trimmed());  // the switch is still off
}

TEST_F(WindowTest, GeneratingOneYear) {
  Open();
  Find<QPushButton>("btn3")->click();
  const std::string path = "/opt/tessarine/Tessarine_2013_130106-142530.ics";
  ASSERT_EQ(files.size(), 1u);
  ASSERT_TRUE(files.count(path));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "提示");
  EXPECT_EQ(shown[0].icon, QMessageBox::Information);
  EXPECT_EQ(shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(shown[0].text.endsWith("\r\n\r\n是否打开所在文件夹?"));
  EXPECT_TRUE(fileManager.empty());
  EXPECT_TRUE(Preview().startsWith(QString::fromStdString("成功生成 2013 年 iCal 文件, 存放在以下目录: \n" + path +
                                                          "\n==========内容预览========== \n\nBEGIN:VCALENDAR\n")));

  // With the completion message switched off, nothing is asked.
  Action("P1")->trigger();
  Action("iCal1")->trigger();
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_TRUE(Preview().startsWith("\n==========内容预览=========="));

  Find<QPushButton>("btn1")->click();
  Action("N4")->trigger();
  EXPECT_EQ(Preview(), QString::fromUtf8(InstructionsText().data()).replace("\r\n", "\n"));
}

TEST_F(WindowTest, GeneratingARangeAsksOnceAndOpensTheLastFile) {
  Open();
  answer = QMessageBox::Yes;
  Find<QCheckBox>("chkYEnd")->click();
  auto* cbbY2 = Find<QComboBox>("cbbY2");
  cbbY2->setCurrentIndex(cbbY2->findText("2015"));
  Find<QPushButton>("btn3")->click();
  EXPECT_EQ(files.size(), 3u);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成 2013 年至 2015 年 iCal 文件, 存放在以下目录: \r\n/opt/tessarine/\r\n"));
  EXPECT_EQ(fileManager, std::vector<QString>{"/opt/tessarine/Tessarine_2015_130106-142530.ics"});
  EXPECT_TRUE(Preview().contains("DTSTART;VALUE=DATE:20150101"));
}

TEST_F(WindowTest, YearErrorsMoveTheFocusToTheBoxAtFault) {
  Open();
  auto* cbbY1 = Find<QComboBox>("cbbY1");
  auto* cbbY2 = Find<QComboBox>("cbbY2");
  Find<QCheckBox>("chkYEnd")->click();
  cbbY2->setCurrentIndex(cbbY2->findText("2030"));
  cbbY1->lineEdit()->setFocus();
  cbbY1->lineEdit()->clear();
  QTest::keyClicks(cbbY1->lineEdit(), "2040");  // typed, not chosen: the end year stays
  Find<QPushButton>("btn4")->setFocus();
  Find<QPushButton>("btn3")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "结束年份必需大于等于开始年份, 请重新输入.");
  EXPECT_TRUE(cbbY2->hasFocus());

  cbbY1->setEditText("1900");
  Find<QPushButton>("btn3")->click();
  EXPECT_EQ(shown.back().text, "年份必需在 1901 至 2050 之间, 请重新输入.");
  EXPECT_TRUE(cbbY1->hasFocus());
  EXPECT_TRUE(files.empty());
}

TEST_F(WindowTest, AYearThatIsNotANumberGoesToTheGeneralErrorReport) {
  Open();
  Find<QComboBox>("cbbY1")->setEditText("２０");
  Find<QPushButton>("btn3")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "'２０' is not a valid integer value.");
  EXPECT_EQ(shown[0].caption, "Tessarine");
  EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(files.empty());
}

TEST_F(WindowTest, AWriteFailureIsReportedForEachYear) {
  Open();
  failWrites = true;
  Find<QCheckBox>("chkYEnd")->click();
  auto* cbbY2 = Find<QComboBox>("cbbY2");
  cbbY2->setCurrentIndex(cbbY2->findText("2014"));
  Find<QPushButton>("btn3")->click();
  ASSERT_EQ(shown.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(shown[i].caption, "错误");
    EXPECT_EQ(shown[i].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[i].text, QString("无法生成 iCal 文件，请检查是否有写入文件权限：\r\n/opt/tessarine/Tessarine_%1_130106-142530.ics")
                                 .arg(2013 + i));
  }
}

TEST_F(WindowTest, FolderAndWebPage) {
  Open();
  Find<QPushButton>("btn4")->click();
  Action("O1")->trigger();
  EXPECT_EQ(fileManager, (std::vector<QString>{"/opt/tessarine/tessarine", "/opt/tessarine/tessarine"}));
  Action("t1632")->trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toString().toStdString(), std::string(kMakerAddress));
}

TEST_F(WindowTest, AltCOpensTheControlMenuAndIGenerates) {
  Open();
  QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
  auto* menu = Find<QMenu>("N1");
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
  QTest::keyClick(menu, Qt::Key_I);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !files.empty(); }, 2000));
  EXPECT_EQ(files.size(), 1u);
}

TEST_F(WindowTest, MenuLayout) {
  Open();
  auto* menu = Find<QMenu>("N1");
  QStringList captions;
  for (QAction* action : menu->actions()) captions << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(captions, (QStringList{"使用说明(&H) ", "生成 iCal(&I)", "使用冬,腊月显示", "生成后弹出提示框(&P)",
                                   "打开所在文件夹(&O)", "-", "退出(&X)"}));
  auto* about = Find<QMenu>("A1");
  EXPECT_EQ(about->defaultAction(), Action("Title1"));
  EXPECT_TRUE(Action("Title1")->font().bold());
  EXPECT_FALSE(Action("Title1")->icon().isNull());
  EXPECT_EQ(Action("Ver100201112201")->text(), "Ver 1.13  / 2013-01-06");
  Action("X1")->trigger();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tessarine
