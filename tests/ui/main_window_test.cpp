// The window as a whole: start-up, menus, generation and its messages.
#include <QApplication>
#include <QProgressDialog>
#include <QTableView>

#include "ui/failure_text.h"
#include "ui/window_fixture.h"
#include "version.h"

namespace tessarine {
namespace {

using testing::WindowTest;
using testing::kDefaultTemplate;

TEST_F(WindowTest, StartUpState) {
  Open();
  EXPECT_EQ(window->windowTitle(), "农历 iCal 文件生成器");
  EXPECT_EQ(window->centralWidget()->size(), QSize(799, 306));
  EXPECT_EQ(window->size(), window->minimumSizeHint());  // the default size is the smallest
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

  auto* startYears = Find<QComboBox>("startYearBox");
  auto* endYears = Find<QComboBox>("endYearBox");
  ASSERT_EQ(startYears->count(), 88);
  EXPECT_EQ(startYears->itemText(0), "2013");
  EXPECT_EQ(startYears->itemText(87), "2100");
  EXPECT_EQ(startYears->currentText(), "2013");
  EXPECT_EQ(endYears->currentText(), "2013");
  EXPECT_FALSE(endYears->isEnabled());
  EXPECT_FALSE(endYears->isEditable());
  EXPECT_FALSE(Find<QCheckBox>("endYearCheck")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("dayRadio")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("showFestivalRadio")->isChecked());
  EXPECT_EQ(Find<QTabWidget>("formatTabs")->currentIndex(), 0);
  EXPECT_TRUE(Action("monthNamesAction")->isChecked());
  EXPECT_TRUE(Action("completionPromptAction")->isChecked());
  EXPECT_EQ(Find<QPushButton>("generateButton")->text(), "生成 &iCal");

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
  EXPECT_EQ(Preview(), InstructionsText().replace("\r\n", "\n"));
}

TEST_F(WindowTest, AfterTheLastYearTheListsAreEmptyAndGeneratingSaysSo) {
  Open(QDateTime(QDate(2101, 3, 1), QTime(9, 0)));
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
  // The folder, then the file by its name.
  EXPECT_TRUE(Preview().startsWith("成功生成 2013 年 iCal 文件, 存放在以下目录: \n/opt/tessarine/\n"
                                   "文件：Tessarine_2013_130106-142530.ics\n==========内容预览========== \n\nBEGIN:VCALENDAR\n"))
      << Preview().left(200).toStdString();

  // With the completion message switched off, nothing is asked.
  Action("completionPromptAction")->trigger();
  Action("generateAction")->trigger();
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_TRUE(Preview().startsWith("\n==========内容预览=========="));

  Find<QPushButton>("instructionsButton")->click();
  Action("instructionsAction")->trigger();
  EXPECT_EQ(Preview(), InstructionsText().replace("\r\n", "\n"));
}

TEST_F(WindowTest, GeneratingARangeAsksOnceAndOpensTheLastFile) {
  Open();
  answer = QMessageBox::Yes;
  Find<QCheckBox>("endYearCheck")->click();
  auto* endYears = Find<QComboBox>("endYearBox");
  endYears->setCurrentIndex(endYears->findText("2015"));
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(files.size(), 3u);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成 2013 年至 2015 年 iCal 文件, 存放在以下目录: \r\n/opt/tessarine/\r\n"));
  EXPECT_EQ(fileManager, std::vector<QString>{"/opt/tessarine/Tessarine_2015_130106-142530.ics"});
  EXPECT_TRUE(Preview().contains("DTSTART;VALUE=DATE:20150101"));
}

// 合并为一个文件 writes the range as one file, and says so past 1 MB;
// 固定文件名 replaces the file of the same name; both are remembered.
TEST_F(WindowTest, OneFileForManyYearsAndAFixedName) {
  Open();
  Action("singleFileAction")->trigger();
  Action("fixedNameAction")->trigger();
  Find<QCheckBox>("endYearCheck")->click();
  auto* endYears = Find<QComboBox>("endYearBox");
  endYears->setCurrentIndex(endYears->findText("2025"));
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(files.size(), 1u);
  const auto& [path, bytes] = *files.begin();
  EXPECT_EQ(path, "/opt/tessarine/Tessarine_2013-2025.ics");
  EXPECT_GT(bytes.size(), 1024u * 1024u);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成 2013 年至 2025 年 iCal 文件, 存放在以下目录: \r\n/opt/tessarine/\r\n文件：Tessarine_2013-2025.ics"));
  EXPECT_TRUE(shown[0].text.contains("文件超过 1 MB")) << shown[0].text.toStdString();
  Open();
  EXPECT_TRUE(Action("singleFileAction")->isChecked());
  EXPECT_TRUE(Action("fixedNameAction")->isChecked());
}

// 历法 picks the calendar and with it its own language, which 文字 can
// change; the file follows, the preview follows at once, and both choices
// are remembered.
TEST_F(WindowTest, CalendarAndLanguage) {
  Open();
  Action("koreanCalendarAction")->trigger();
  EXPECT_TRUE(Action("koreanAction")->isChecked());
  Find<QPushButton>("generateButton")->click();
  const std::string korean = files["/opt/tessarine/Tessarine_Korean_2013_130106-142530.ics"];
  EXPECT_NE(korean.find("X-WR-CALNAME:음력 2013\r\n"), std::string::npos);
  EXPECT_NE(korean.find("SUMMARY:설날\r\n"), std::string::npos);
  Action("traditionalAction")->trigger();
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  EXPECT_EQ(Find<QLineEdit>("previewEdit")->text().left(6), "壬辰年【龍】");  // the month view's day, 2013-01-01
  Open();
  EXPECT_TRUE(Action("koreanCalendarAction")->isChecked());
  EXPECT_TRUE(Action("traditionalAction")->isChecked());
}

// While a range is written the cursor is busy and a progress bar counts the
// files; Tab leaves the 纪念日 table for the next control.
TEST_F(WindowTest, ProgressAndKeyboard) {
  Open();
  std::vector<std::pair<bool, int>> seen;  // busy cursor, progress bar's maximum
  duringWrite = [&] {
    const auto* progress = window->findChild<QProgressDialog*>("progressDialog");
    seen.emplace_back(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor,
                      progress ? progress->maximum() : -1);
  };
  Find<QCheckBox>("endYearCheck")->click();
  auto* endYears = Find<QComboBox>("endYearBox");
  endYears->setCurrentIndex(endYears->findText("2015"));
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(seen.size(), 3u);
  for (const auto& [busy, maximum] : seen) {
    EXPECT_TRUE(busy);
    EXPECT_EQ(maximum, 3);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // restored

  Find<QTabWidget>("formatTabs")->setCurrentIndex(2);
  auto* table = Find<QTableView>("entriesTable");
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Tab);
  EXPECT_FALSE(table->hasFocus());
}

// After the first failure of a range one question, go on or stop; at the
// end one summary of what was not written, and the last file written shown.
TEST_F(WindowTest, AFailingRangeAsksOnceAndSumsUp) {
  struct Case {
    std::string failOnly;
    QMessageBox::StandardButton answer;
    std::size_t written, messages;
    QString lastMessage;
  };
  const QString question = "无法生成 iCal 文件，没有写入权限：\r\n/opt/tessarine/Tessarine_%1_130106-142530.ics"
                           "\r\n\r\n是否继续生成其余年份?";
  const Case cases[] = {
      {"_", QMessageBox::Yes, 0, 1, question.arg(2013)},  // every year fails: asked once
      {"_2013_", QMessageBox::No, 0, 1, question.arg(2013)},  // stopped at the first
      {"_2014_", QMessageBox::Yes, 2, 2,
       "生成了 2 个文件，1 个未能生成：\r\nTessarine_2014_130106-142530.ics（没有写入权限）"},
  };
  for (const auto& c : cases) {
    Open();
    failWrites = true;
    failOnly = c.failOnly;
    answer = c.answer;
    shown.clear();
    files.clear();
    Find<QCheckBox>("endYearCheck")->click();
    auto* endYears = Find<QComboBox>("endYearBox");
    endYears->setCurrentIndex(endYears->findText("2015"));
    Find<QPushButton>("generateButton")->click();
    EXPECT_EQ(files.size(), c.written) << c.failOnly;
    ASSERT_EQ(shown.size(), c.messages) << c.failOnly;
    EXPECT_EQ(shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(shown.back().text, c.lastMessage);
  }
  EXPECT_TRUE(Preview().contains("X-WR-CALNAME:农历 2015"));  // the last file written

  Open();  // one year: nothing else to go on with, so nothing to ask
  failWrites = true;
  failOnly = "_";
  shown.clear();
  Find<QPushButton>("generateButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].buttons, QMessageBox::Ok);
  EXPECT_FALSE(shown[0].text.contains("是否继续"));
}

// Every reason in Chinese: none in the system's English.
TEST(FailureTextTest, ReasonsAreChinese) {
  EXPECT_EQ(ReasonText(make_error_code(ReplaceRefusal::ReadOnly)), "文件是只读的");
  EXPECT_EQ(ReasonText(make_error_code(ReplaceRefusal::NotAFile)), "同名的不是普通文件（是管道、设备或套接字），不予替换");
  EXPECT_EQ(ReasonText(make_error_code(ReplaceRefusal::ForeignLink)), "同名的是其他用户在共享文件夹里建的链接，不予跟随");
  EXPECT_EQ(ReasonText({EINVAL, std::system_category()}), "这个磁盘的文件系统不支持这样写入");
  EXPECT_EQ(ReasonText({ENOTRECOVERABLE, std::system_category()}), QString("系统错误（错误码 %1）").arg(ENOTRECOVERABLE));
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

// The button's own accelerator is Alt+I, apart from the menu's Alt+C.
TEST_F(WindowTest, AltIGenerates) {
  Open();
  QTest::keyClick(window.get(), Qt::Key_I, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !files.empty(); }, 2000));
  EXPECT_FALSE(Find<QMenu>("controlMenu")->isVisible());
}

TEST_F(WindowTest, MenuLayout) {
  Open();
  auto* menu = Find<QMenu>("controlMenu");
  QStringList captions;
  for (QAction* action : menu->actions()) captions << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(captions, (QStringList{"使用说明(&H) ", "生成 iCal(&I)", "使用冬,腊月显示", "地区", "历法", "文字", "界面语言", "标注月相", "标注三伏、数九", "写入详细说明", "生成月相日历", "生成节气日历", "生成滚动订阅文件", "滚动年数", "生成后弹出提示框(&P)",
                                   "标注休/班", "合并为一个文件", "固定文件名", "输出文件夹…", "打开所在文件夹(&O)", "-",
                                   "退出(&X)"}));
  auto* about = Find<QMenu>("aboutMenu");
  EXPECT_EQ(about->defaultAction(), Action("titleAction"));
  EXPECT_TRUE(Action("titleAction")->font().bold());
  EXPECT_FALSE(Action("titleAction")->icon().isNull());
  EXPECT_EQ(Action("versionAction")->text(), QString("Ver %1  / %2").arg(kVersion.data(), kReleaseDate.data()));
  Action("exitAction")->trigger();
  EXPECT_FALSE(window->isVisible());
}

// 生成滚动订阅文件: last year to the remembered number of years ahead, in one
// fixed-name file that asks subscribers to refresh it daily.
TEST_F(WindowTest, ARollingFeedFromTheMenu) {
  Open();
  Action("rollingYears1Action")->trigger();
  Action("rollingFeedAction")->trigger();
  const std::string path = "/opt/tessarine/Tessarine_Rolling.ics";
  ASSERT_EQ(files.count(path), 1u);
  const auto titles = testing::ParseCalendar(files[path]);
  EXPECT_EQ(titles.begin()->first, "20120101");
  EXPECT_EQ(titles.rbegin()->first, "20141231");
  EXPECT_NE(files[path].find("X-PUBLISHED-TTL:P1D"), std::string::npos);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("成功生成滚动订阅文件（2012 至 2014 年）")) << shown[0].text.toStdString();
  Open();
  EXPECT_TRUE(Action("rollingYears1Action")->isChecked());
}

}  // namespace
}  // namespace tessarine
