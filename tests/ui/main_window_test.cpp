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
#include <sys/wait.h>
#include <unistd.h>

#include "compose/template_engine.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"
#include "ui/instructions.h"
#include "ui/custom_format_tab.h"
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
    services.OutputFolder = [this] { return outputFolder; };
    services.WriteFile = [this](const std::filesystem::path& folder, std::string_view name,
                                std::string_view bytes) -> WrittenFile {
      const auto path = folder / std::string(name);
      if (failWrites) return {path, std::make_error_code(std::errc::permission_denied)};
      testing::ParseCalendar(bytes);
      files[path.string()] = std::string(bytes);
      return {path, {}};
    };
    services.ShowInFileManager = [this](const QString& path) { fileManager.push_back(path); };
    services.OpenUrl = [this](const QUrl& address) { opened.push_back(address); };
    window = std::make_unique<MainWindow>(std::move(services));
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
  QString Preview() { return Find<QPlainTextEdit>("textBox")->toPlainText(); }
  NormalFormat Normal() { return std::get<NormalFormat>(window->titleFormat().style); }
  TemplateFormat Custom() { return std::get<TemplateFormat>(window->titleFormat().style); }
  MonthNaming Naming() { return window->titleFormat().monthNaming; }

  std::unique_ptr<MainWindow> window;
  std::vector<Shown> shown;
  QMessageBox::StandardButton answer = QMessageBox::No;
  bool failWrites = false;
  std::map<std::string, std::string> files;
  std::vector<QString> fileManager;
  std::vector<QUrl> opened;
  QString outputFolder = "/opt/tessarine";
};

const QString kDefaultTemplate = QString::fromUtf8(DefaultTemplate.data(), DefaultTemplate.size());

TEST_F(WindowTest, StartUpState) {
  Open();
  EXPECT_EQ(window->windowTitle(), "Tessarine");
  EXPECT_EQ(window->centralWidget()->size(), QSize(799, 306));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

  auto* cbbY1 = Find<QComboBox>("startYearBox");
  auto* cbbY2 = Find<QComboBox>("endYearBox");
  ASSERT_EQ(cbbY1->count(), 38);
  EXPECT_EQ(cbbY1->itemText(0), "2013");
  EXPECT_EQ(cbbY1->itemText(37), "2050");
  EXPECT_EQ(cbbY1->currentText(), "2013");
  EXPECT_EQ(cbbY2->currentText(), "2013");
  EXPECT_FALSE(cbbY2->isEnabled());
  EXPECT_FALSE(cbbY2->isEditable());
  EXPECT_FALSE(Find<QCheckBox>("endYearCheck")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("dayRadio")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("showFestivalRadio")->isChecked());
  EXPECT_EQ(Find<QTabWidget>("formatTabs")->currentIndex(), 0);
  EXPECT_TRUE(Action("monthNamesAction")->isChecked());
  EXPECT_TRUE(Action("completionPromptAction")->isChecked());
  EXPECT_EQ(Find<QPushButton>("generateButton")->text(), "生成 i&Cal");

  EXPECT_EQ(Normal().mode, DisplayMode::Day);
  EXPECT_EQ(Normal().onSameDay, FestivalAndTerm::Festival);
  EXPECT_FALSE(Normal().withoutFestivalsAndTerms);
  EXPECT_EQ(Naming(), MonthNaming::WinterAndLast);
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  EXPECT_TRUE(Custom().collapseSpaces);
  EXPECT_EQ(Custom().text, std::string(DefaultTemplate));
  Find<QTabWidget>("formatTabs")->setCurrentIndex(0);

  EXPECT_EQ(Find<QLineEdit>("templateEdit")->text(), kDefaultTemplate);
  EXPECT_EQ(Find<QLineEdit>("previewEdit")->text(), "甲午年【马】 八月十五 2014年 14/9/8 周一 白露 中秋");
  EXPECT_EQ(Preview(), QString::fromUtf8(InstructionsText().data()).replace("\r\n", "\n"));
}

TEST_F(WindowTest, AfterTwentyFiftyTheListsAreEmptyAndGeneratingSaysSo) {
  Open(QDateTime(QDate(2051, 3, 1), QTime(9, 0)));
  EXPECT_EQ(Find<QComboBox>("startYearBox")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("endYearBox")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("startYearBox")->currentText(), "");
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "年份不能为空, 请重新输入.");
  EXPECT_EQ(shown[0].caption, "提示");
  EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(files.empty());
}

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
  EXPECT_EQ(Find<QComboBox>("startYearBox")->count(), 38);  // a typed year does not join the list
}

TEST_F(WindowTest, YearBoxesKeepEachOtherInOrder) {
  Open();
  auto* cbbY1 = Find<QComboBox>("startYearBox");
  auto* cbbY2 = Find<QComboBox>("endYearBox");
  Find<QCheckBox>("endYearCheck")->click();
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
  Find<QCheckBox>("endYearCheck")->click();
  EXPECT_FALSE(cbbY2->isEnabled());
  EXPECT_EQ(cbbY2->currentText(), "2045");
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

TEST(OutputFolderTest, TheProgramsFolderWhenWritableElseDocuments) {
  testing::TempFolder program, documents;
  EXPECT_EQ(ChooseOutputFolder(QString::fromStdString(program.path().string()),
                               QString::fromStdString(documents.path().string())),
            QString::fromStdString(program.path().string()));
  // A folder the user cannot write: checked as an ordinary user, since the
  // superuser may write anywhere but on a read-only file system.
  std::filesystem::permissions(program.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                   std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  std::filesystem::permissions(documents.path(), std::filesystem::perms::all);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    const QString chosen = ChooseOutputFolder(QString::fromStdString(program.path().string()),
                                              QString::fromStdString(documents.path().string()));
    const bool ok = chosen == QString::fromStdString((documents.path() / "Tessarine").string()) &&
                    std::filesystem::is_directory(documents.path() / "Tessarine");
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  std::filesystem::permissions(program.path(), std::filesystem::perms::owner_all);
}

TEST_F(WindowTest, FilesGoToTheOutputFolderAndTheButtonOpensIt) {
  outputFolder = "/home/user/Documents/Tessarine";
  Open();
  Find<QPushButton>("generateButton")->click();
  ASSERT_TRUE(files.count("/home/user/Documents/Tessarine/Tessarine_2013_130106-142530.ics"));
  EXPECT_TRUE(shown[0].text.contains("/home/user/Documents/Tessarine/Tessarine_2013_130106-142530.ics"));
  Find<QPushButton>("openFolderButton")->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl::fromLocalFile("/home/user/Documents/Tessarine"));
}

TEST_F(WindowTest, NoFestivalsOrTermsDisablesFiveButtons) {
  Open();
  auto* rb7 = Find<QRadioButton>("monthAndDayRadio");
  auto* rb9 = Find<QRadioButton>("termsOnlyRadio");
  rb9->click();
  EXPECT_EQ(Normal().mode, DisplayMode::TermsOnly);
  Find<QRadioButton>("showBothRadio")->click();
  EXPECT_EQ(Normal().onSameDay, FestivalAndTerm::Both);

  Find<QCheckBox>("withoutFestivalsCheck")->click();
  EXPECT_TRUE(Normal().withoutFestivalsAndTerms);
  for (const char* name : {"showFestivalRadio", "showTermRadio", "showBothRadio", "festivalsAndTermsRadio", "termsOnlyRadio"}) EXPECT_FALSE(Find<QRadioButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QRadioButton>("dayRadio")->isChecked());
  EXPECT_EQ(Normal().mode, DisplayMode::Day);

  Find<QCheckBox>("withoutFestivalsCheck")->click();
  for (const char* name : {"showFestivalRadio", "showTermRadio", "showBothRadio", "festivalsAndTermsRadio", "termsOnlyRadio"}) EXPECT_TRUE(Find<QRadioButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QRadioButton>("dayRadio")->isChecked());

  rb7->click();
  Find<QCheckBox>("withoutFestivalsCheck")->click();
  EXPECT_TRUE(rb7->isChecked());
  EXPECT_EQ(Normal().mode, DisplayMode::MonthAndDay);
}

TEST_F(WindowTest, TabsAndMonthNames) {
  Open();
  auto* pgc1 = Find<QTabWidget>("formatTabs");
  pgc1->setCurrentIndex(1);
  EXPECT_TRUE(std::holds_alternative<TemplateFormat>(window->titleFormat().style));
  pgc1->setCurrentIndex(0);
  EXPECT_TRUE(std::holds_alternative<NormalFormat>(window->titleFormat().style));

  auto* edtDIY = Find<QLineEdit>("templateEdit");
  auto* preview = Find<QLineEdit>("previewEdit");
  edtDIY->setText("LM");
  Find<QDateEdit>("previewDateEdit")->setDate(QDate(2013, 12, 4));
  EXPECT_EQ(preview->text(), "冬月");
  Action("monthNamesAction")->trigger();
  EXPECT_EQ(Naming(), MonthNaming::Numbered);
  EXPECT_EQ(preview->text(), "冬月");  // no refresh until the template, date or switch changes
  Find<QDateEdit>("previewDateEdit")->setDate(QDate(2013, 12, 5));
  EXPECT_EQ(preview->text(), "十一月");
  Action("monthNamesAction")->trigger();
  EXPECT_EQ(Naming(), MonthNaming::WinterAndLast);
  Action("completionPromptAction")->trigger();
  EXPECT_FALSE(Action("completionPromptAction")->isChecked());
}

TEST_F(WindowTest, CustomFormatControls) {
  Open();
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  auto* edtDIY = Find<QLineEdit>("templateEdit");
  auto* preview = Find<QLineEdit>("previewEdit");
  auto* clearSpace = Find<QCheckBox>("collapseSpacesCheck");
  EXPECT_EQ(clearSpace->toolTip(), "将多个空格合并为一个空格");
  EXPECT_EQ(Find<QDateEdit>("previewDateEdit")->minimumDate(), QDate(1901, 1, 1));
  EXPECT_EQ(Find<QDateEdit>("previewDateEdit")->maximumDate(), QDate(2050, 12, 31));

  Find<QPushButton>("clearTemplateButton")->click();
  EXPECT_EQ(edtDIY->text(), "");
  EXPECT_EQ(preview->text(), "");
  edtDIY->setText("LD LT LF CW");
  Find<QDateEdit>("previewDateEdit")->setDate(QDate(2013, 1, 2));
  EXPECT_EQ(preview->text(), "廿一 三");
  clearSpace->click();
  EXPECT_FALSE(Custom().collapseSpaces);
  EXPECT_EQ(preview->text(), "廿一   三");

  // A token label appends at the end, whatever is selected, and puts the
  // caret after it.
  edtDIY->setSelection(0, 2);
  auto* lblCW = Find<TokenLabel>("weekdayToken");
  EXPECT_EQ(lblCW->text(), " 星期 - CW ");
  QTest::mouseClick(lblCW, Qt::LeftButton);
  EXPECT_EQ(edtDIY->text(), "LD LT LF CWCW");
  EXPECT_FALSE(edtDIY->hasSelectedText());
  EXPECT_EQ(edtDIY->cursorPosition(), edtDIY->text().size());
  EXPECT_EQ(Custom().text, "LD LT LF CWCW");
  EXPECT_EQ(preview->text(), "廿一   三三");

  EXPECT_TRUE(lblCW->font().bold());
  Find<CustomFormatTab>("customTab")->setTokenHover(lblCW, true);
  EXPECT_FALSE(lblCW->font().bold());
  EXPECT_EQ(lblCW->cursor().shape(), Qt::PointingHandCursor);
  Find<CustomFormatTab>("customTab")->setTokenHover(lblCW, false);
  EXPECT_TRUE(lblCW->font().bold());

  Find<QPushButton>("defaultTemplateButton")->click();
  EXPECT_EQ(edtDIY->text(), kDefaultTemplate);

  const QString longTemplate = QString("LD  ").repeated(25000);  // 100,000 characters
  edtDIY->setText(longTemplate);
  EXPECT_EQ(edtDIY->text().size(), 100000);
  EXPECT_EQ(preview->text(), QString("廿一  ").repeated(25000).trimmed());  // the switch is still off
}

TEST_F(WindowTest, GeneratingOneYear) {
  Open();
  Find<QPushButton>("generateButton")->click();
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
  Action("completionPromptAction")->trigger();
  Action("generateAction")->trigger();
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_TRUE(Preview().startsWith("\n==========内容预览=========="));

  Find<QPushButton>("instructionsButton")->click();
  Action("instructionsAction")->trigger();
  EXPECT_EQ(Preview(), QString::fromUtf8(InstructionsText().data()).replace("\r\n", "\n"));
}

TEST_F(WindowTest, GeneratingARangeAsksOnceAndOpensTheLastFile) {
  Open();
  answer = QMessageBox::Yes;
  Find<QCheckBox>("endYearCheck")->click();
  auto* cbbY2 = Find<QComboBox>("endYearBox");
  cbbY2->setCurrentIndex(cbbY2->findText("2015"));
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(files.size(), 3u);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成 2013 年至 2015 年 iCal 文件, 存放在以下目录: \r\n/opt/tessarine/\r\n"));
  EXPECT_EQ(fileManager, std::vector<QString>{"/opt/tessarine/Tessarine_2015_130106-142530.ics"});
  EXPECT_TRUE(Preview().contains("DTSTART;VALUE=DATE:20150101"));
}

TEST_F(WindowTest, YearErrorsMoveTheFocusToTheBoxAtFault) {
  Open();
  auto* cbbY1 = Find<QComboBox>("startYearBox");
  auto* cbbY2 = Find<QComboBox>("endYearBox");
  Find<QCheckBox>("endYearCheck")->click();
  cbbY2->setCurrentIndex(cbbY2->findText("2030"));
  cbbY1->lineEdit()->setFocus();
  cbbY1->lineEdit()->clear();
  QTest::keyClicks(cbbY1->lineEdit(), "2040");  // typed, not chosen: the end year stays
  Find<QPushButton>("openFolderButton")->setFocus();
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "结束年份必需大于等于开始年份, 请重新输入.");
  EXPECT_TRUE(cbbY2->hasFocus());

  cbbY1->setEditText("1900");
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(shown.back().text, "年份必需在 1901 至 2050 之间, 请重新输入.");
  EXPECT_TRUE(cbbY1->hasFocus());
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

TEST_F(WindowTest, AWriteFailureIsReportedForEachYear) {
  Open();
  failWrites = true;
  Find<QCheckBox>("endYearCheck")->click();
  auto* cbbY2 = Find<QComboBox>("endYearBox");
  cbbY2->setCurrentIndex(cbbY2->findText("2014"));
  Find<QPushButton>("generateButton")->click();
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
  Find<QPushButton>("openFolderButton")->click();
  Action("openFolderAction")->trigger();
  EXPECT_EQ(fileManager, (std::vector<QString>{"/opt/tessarine/tessarine", "/opt/tessarine/tessarine"}));
  Action("blogAction")->trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toString().toStdString(), std::string(kMakerAddress));
}

TEST_F(WindowTest, AltCOpensTheControlMenuAndIGenerates) {
  Open();
  QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
  auto* menu = Find<QMenu>("controlMenu");
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
  QTest::keyClick(menu, Qt::Key_I);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !files.empty(); }, 2000));
  EXPECT_EQ(files.size(), 1u);
}

TEST_F(WindowTest, MenuLayout) {
  Open();
  auto* menu = Find<QMenu>("controlMenu");
  QStringList captions;
  for (QAction* action : menu->actions()) captions << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(captions, (QStringList{"使用说明(&H) ", "生成 iCal(&I)", "使用冬,腊月显示", "生成后弹出提示框(&P)",
                                   "打开所在文件夹(&O)", "-", "退出(&X)"}));
  auto* about = Find<QMenu>("aboutMenu");
  EXPECT_EQ(about->defaultAction(), Action("titleAction"));
  EXPECT_TRUE(Action("titleAction")->font().bold());
  EXPECT_FALSE(Action("titleAction")->icon().isNull());
  EXPECT_EQ(Action("versionAction")->text(), "Ver 1.13  / 2013-01-06");
  Action("exitAction")->trigger();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tessarine
