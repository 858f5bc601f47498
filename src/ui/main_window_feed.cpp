// 控制 → 生成滚动订阅文件: a feed that stays current, from last year to a
// remembered number of years ahead (滚动年数), in one file of a fixed name
// that a synced folder or a web server can serve: the lunar year files in
// the chosen format, or the anniversaries or holidays when their tab shows.
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "ui/anniversaries_tab.h"
#include "ui/holidays_tab.h"
#include "ui/main_window.h"

namespace tessarine {
namespace {

constexpr int kRollingChoices[] = {1, 2, 3, 5};

}  // namespace

void MainWindow::buildFeedItems() {
  rollingFeedAction = controlMenu->addAction(tr("生成滚动订阅文件"));
  rollingFeedAction->setObjectName("rollingFeedAction");
  rollingFeedAction->setToolTip(tr("从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅"));
  rollingYearsMenu = controlMenu->addMenu(tr("滚动年数"));
  rollingYearsMenu->setObjectName("rollingYearsMenu");
  rollingYearsGroup = new QActionGroup(rollingYearsMenu);
  const int remembered = QSettings(settingsFile(), QSettings::IniFormat).value("rollingYears", 2).toInt();
  for (const int years : kRollingChoices) {
    QAction* choice = rollingYearsMenu->addAction(tr("到 %1 年后").arg(years));
    choice->setObjectName(QString("rollingYears%1Action").arg(years));
    choice->setCheckable(true);
    choice->setData(years);
    choice->setChecked(years == remembered);
    rollingYearsGroup->addAction(choice);
  }
  if (!rollingYearsGroup->checkedAction()) rollingYearsGroup->actions()[1]->setChecked(true);
  connect(rollingYearsGroup, &QActionGroup::triggered, this,
          [this](QAction* chosen) { storeSetting("rollingYears", chosen->data().toString()); });
  connect(rollingFeedAction, &QAction::triggered, this, &MainWindow::generateRollingFeed);
}

void MainWindow::generateRollingFeed() {
  const int thisYear = services_.now().date().year();
  const int ahead = rollingYearsGroup->checkedAction()->data().toInt();
  const int first = std::max(thisYear - 1, static_cast<int>(YearRange::First));
  const int last = std::min(thisYear + ahead, static_cast<int>(YearRange::Last));
  if (first > last) {
    message(tr("今年已在 %1 年之后，没有可以滚动生成的年份。").arg(static_cast<int>(YearRange::Last)), tr("提示"),
            QMessageBox::Warning);
    return;
  }
  const YearRange years = std::get<YearRange>(YearRange::Checked(first, last));
  const FileNaming rolling{false, true, true};
  GenerateRequest request = YearFilesRequest{years, titleFormat(), {}, rolling, describeAction->isChecked()};
  if (holidayMarksAction->isChecked()) std::get<YearFilesRequest>(request).holidayMarks = holidaysTab->knownSchedules();
  if (formatTabs->currentWidget() == anniversariesTab) {
    request = AnniversariesRequest{anniversariesTab->validEntries(), years, anniversariesTab->remindDaysBefore(),
                                   anniversariesTab->reminderStyle(), rolling, chosenLanguage()};
  } else if (formatTabs->currentWidget() == holidaysTab) {
    request = HolidaysRequest{years, SchedulesIn(holidaysTab->knownSchedules(), years).known, rolling};
  }
  const RunOutcome outcome = run(request, 1);
  if (outcome.done.files.empty()) return;
  // Subscribed calendars refuse feeds of more than about 1 MB.
  const QString note = outcome.done.lastFileBytes > 1024 * 1024
                           ? tr("\r\n文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。")
                           : QString();
  present(outcome, years,
          tr("成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: \r\n%3")
              .arg(first)
              .arg(last)
              .arg(QString::fromStdString(outcome.done.files.back().path.string())),
          note);
}

}  // namespace tessarine
