// The month view driven as a user would: it shows what the files will say,
// follows every option at once, and is navigated by keys and buttons.
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>

#include "compose/title_format.h"
#include "ui/month_view.h"
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
};

TEST_F(MonthViewTest, ShowsWhatTheFilesWillSayAndFollowsTheOptions) {
  Open();
  EXPECT_EQ(Find<QStackedWidget>("sidePages")->currentIndex(), 0);  // the view, not the text
  EXPECT_EQ(Find<QLabel>("monthLabel")->text(), "2013 年 1 月");
  ExpectTitlesOf(2013, 1, {});

  Find<QRadioButton>("monthAndDayRadio")->click();
  ExpectTitlesOf(2013, 1, {MonthNaming::WinterAndLast, NormalFormat{DisplayMode::MonthAndDay}});
  Action("koreanCalendarAction")->trigger();
  ExpectTitlesOf(2013, 1,
                 {MonthNaming::WinterAndLast, NormalFormat{DisplayMode::MonthAndDay}, Language::Korean,
                  LunarCalendar::Korea});
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  Find<QLineEdit>("templateEdit")->setText("LD GD");
  ExpectTitlesOf(2013, 1,
                 {MonthNaming::WinterAndLast, TemplateFormat{"LD GD", true}, Language::Korean, LunarCalendar::Korea});
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

}  // namespace
}  // namespace tessarine
