// The month view driven as a user would: it shows what the files will say,
// follows every option at once, and is navigated by keys and buttons.
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <fstream>

#include "compose/title_format.h"
#include "ui/month_view.h"
#include "ui/translation.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

class MonthViewTest : public WindowTest {
 protected:
  MonthView* View() { return Find<MonthView>("monthView"); }
  std::chrono::sys_days Day(QDate d) {
    return std::chrono::sys_days{std::chrono::year{d.year()} / d.month() / d.day()};
  }
  // Every day of the month showing, as the view shows it and as the core writes it.
  void ExpectTitlesOf(int year, int month, const TitleFormat& format) {
    for (QDate d(year, month, 1); d.month() == month; d = d.addDays(1)) {
      EXPECT_EQ(View()->titleShown(d).toStdString(), TitleOf(Day(d), format)) << d.toString().toStdString();
    }
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Find<QTableWidget>("daysGrid"), key, modifiers);
  }
  // A list of `count` anniversaries on 2013-01-06, the day the window opens on.
  void ListOnTheDay(int count) {
    std::string list;
    for (int i = 1; i <= count; ++i) list += "第" + std::to_string(i) + "个,2013-01-06\n";
    std::ofstream(config.File("anniversaries.csv")) << list;
  }
  QString Line() { return Find<QLabel>("descriptionLabel")->text(); }
};

TEST_F(MonthViewTest, ShowsWhatTheFilesWillSayAndFollowsTheOptions) {
  Open();
  EXPECT_EQ(Find<QStackedWidget>("sidePages")->currentIndex(), 0);  // the view, not the text
  EXPECT_EQ(Find<QLabel>("monthLabel")->text(), "2013 年 1 月");
  ExpectTitlesOf(2013, 1, {});

  Find<QRadioButton>("monthAndDayRadio")->click();
  ExpectTitlesOf(2013, 1, {MonthNaming::WinterAndLast, NormalFormat{DisplayMode::MonthAndDay}});
  Action("koreaRegionAction")->trigger();
  ExpectTitlesOf(2013, 1,
                 {MonthNaming::WinterAndLast, NormalFormat{DisplayMode::MonthAndDay}, Language::Korean,
                  LunarCalendar::Korea, Region::Korea});
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  Find<QLineEdit>("templateEdit")->setText("LD GD");
  ExpectTitlesOf(2013, 1,
                 {MonthNaming::WinterAndLast, TemplateFormat{"LD GD", true}, Language::Korean, LunarCalendar::Korea,
                  Region::Korea});
}

// 控制 → 地区 → 대한민국 marks Korea's own days: 추석 2026 and no day of
// the mainland's 国庆 break but Korea's own.
TEST_F(MonthViewTest, ARegionsOwnHolidaysAreMarked) {
  Open();
  Action("koreaRegionAction")->trigger();
  if (!Action("holidayMarksAction")->isChecked()) Action("holidayMarksAction")->trigger();
  View()->selectDate(QDate(2026, 9, 25));
  EXPECT_EQ(View()->titleShown(QDate(2026, 9, 25)).toStdString(), "추석(휴)");
  EXPECT_EQ(View()->titleShown(QDate(2026, 9, 24)).toStdString(), "음 8.14(휴)");
  View()->selectDate(QDate(2026, 10, 7));
  EXPECT_EQ(View()->titleShown(QDate(2026, 10, 7)).toStdString().find("(휴)"), std::string::npos);
  EXPECT_NE(View()->titleShown(QDate(2026, 10, 3)).toStdString().find("(휴)"), std::string::npos);  // 개천절
  EXPECT_NE(View()->titleShown(QDate(2026, 10, 5)).toStdString().find("(휴)"), std::string::npos);  // its substitute
}

TEST_F(MonthViewTest, KeysButtonsAndTheDescription) {
  Open();
  Key(Qt::Key_PageDown);
  EXPECT_EQ(View()->selectedDate(), QDate(2013, 2, 6));
  Key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(View()->selectedDate(), QDate(2014, 2, 6));
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  EXPECT_EQ(View()->selectedDate(), QDate(2014, 2, 14));
  EXPECT_EQ(Find<QLineEdit>("previewEdit")->text().left(6), "甲午年【马】");  // the custom tab's preview date follows
  EXPECT_TRUE(Find<QLabel>("descriptionLabel")->text().contains("元宵"));
  EXPECT_TRUE(Find<QLabel>("descriptionLabel")->text().contains("甲午年 丙寅月"));
  Find<QToolButton>("todayButton")->click();
  EXPECT_EQ(View()->selectedDate(), QDate(2013, 1, 6));
  Key(Qt::Key_Up);
  EXPECT_EQ(Find<QLabel>("monthLabel")->text(), "2012 年 12 月");
  Key(Qt::Key_Home);
  EXPECT_EQ(View()->selectedDate(), QDate(2013, 1, 6));
}

TEST_F(MonthViewTest, AfterGeneratingTheFileIsOneClickAway) {
  Open();
  auto* endYears = Find<QComboBox>("endYearBox");
  Find<QCheckBox>("endYearCheck")->click();
  endYears->setCurrentIndex(endYears->findText("2014"));
  answer = QMessageBox::No;
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(Find<QLabel>("monthLabel")->text(), "2013 年 1 月");  // the first month written
  EXPECT_TRUE(Find<QLabel>("writtenFileLabel")->text().endsWith("Tessarine_2014_130106-142530.ics"));
  Find<QPushButton>("viewFileButton")->click();
  EXPECT_EQ(Find<QStackedWidget>("sidePages")->currentIndex(), 1);
  EXPECT_TRUE(Preview().contains("X-WR-CALNAME:农历 2014"));
  Find<QPushButton>("backToMonthButton")->click();
  EXPECT_EQ(Find<QStackedWidget>("sidePages")->currentIndex(), 0);
}

// A day of many anniversaries, as a family tree or a temple's list has:
// the line under the grid names the first few, as many as its two lines
// have room for, and counts the rest; the tool tips name a few more; the
// grid keeps all its rows.
TEST_F(MonthViewTest, ADayOfManyAnniversariesNamesAFewAndCountsTheRest) {
  ListOnTheDay(1000);
  Open();
  const QRegularExpression names("  纪念日：第1个 \\(0\\)((、第\\d+个 \\(0\\)){0,2}) 及其他 (\\d+) 个$");
  const QRegularExpressionMatch match = names.match(Line());
  ASSERT_TRUE(match.hasMatch()) << Line().toStdString();
  EXPECT_EQ(1 + match.captured(1).count("、") + match.captured(3).toInt(), 1000);
  auto* grid = Find<QTableWidget>("daysGrid");
  for (int row = 0; row < grid->rowCount(); ++row) {
    EXPECT_GE(grid->rowHeight(row), grid->verticalHeader()->minimumSectionSize()) << row;
    EXPECT_LE(grid->rowViewportPosition(row) + grid->rowHeight(row), grid->viewport()->height()) << row;
  }
  const QTableWidgetItem* day = grid->item(0, 6);  // Sunday 6 January, in the week from 31 December
  ASSERT_NE(day, nullptr);
  const QStringList tip = day->toolTip().split("\n");
  ASSERT_EQ(tip.size(), 1 + kAnniversariesListed + 1);  // the title, the names, the count
  EXPECT_EQ(tip[1], "第1个 (0)");
  EXPECT_EQ(tip.back(), "及其他 992 个");
  EXPECT_EQ(Find<QLabel>("descriptionLabel")->toolTip(), tip.mid(1).join("\n"));

  // A wider window names three.
  window->resize(1400, 600);
  QApplication::processEvents();
  EXPECT_TRUE(Line().endsWith("  纪念日：第1个 (0)、第2个 (0)、第3个 (0) 及其他 997 个")) << Line().toStdString();
}

// The count is worded in each language, in the singular where it has one;
// three or fewer are all named.
TEST_F(MonthViewTest, TheCountInEachLanguage) {
  const struct {
    const char* language;
    int count;
    const char* ending;
  } cases[] = {
      {"zh_CN", 3, "纪念日：第1个 (0)、第2个 (0)、第3个 (0)"},
      {"zh_CN", 4, "纪念日：第1个 (0)、第2个 (0)、第3个 (0) 及其他 1 个"},
      {"zh_TW", 5, "紀念日：第1个 (0)、第2个 (0)、第3个 (0) 及其他 2 個"},
      {"en", 4, "Anniversaries: 第1个 (0), 第2个 (0), 第3个 (0) and 1 more"},
      {"en", 5, "Anniversaries: 第1个 (0), 第2个 (0), 第3个 (0) and 2 more"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(InstallTranslations(*qApp, c.language));
    ListOnTheDay(c.count);
    Open();
    window->resize(1400, 600);  // room for three names in every language
    QApplication::processEvents();
    EXPECT_TRUE(Line().endsWith(c.ending)) << c.language << " " << c.count << ": " << Line().toStdString();
  }
  InstallTranslations(*qApp, "zh_CN");
}

// The view follows the list: an entry typed into the 纪念日 tab is marked
// at once, and stays marked when an option changes.
TEST_F(MonthViewTest, FollowsTheList) {
  Open();
  EXPECT_FALSE(Line().contains("纪念日："));
  Find<QTabWidget>("formatTabs")->setCurrentIndex(2);
  Find<QPushButton>("addButton")->click();
  auto* table = Find<QTableView>("entriesTable");
  testing::TypeInto(table, table->model()->index(0, 0), "外婆生日");
  testing::TypeInto(table, table->model()->index(0, 1), "2013-01-06");
  EXPECT_TRUE(Line().endsWith("纪念日：外婆生日 (0)")) << Line().toStdString();
  Find<QTabWidget>("formatTabs")->setCurrentIndex(0);
  Find<QRadioButton>("monthAndDayRadio")->click();
  EXPECT_TRUE(Line().endsWith("纪念日：外婆生日 (0)")) << Line().toStdString();
}

}  // namespace
}  // namespace tessarine
