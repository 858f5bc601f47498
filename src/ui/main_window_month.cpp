// The right-hand pane: the month view, with the line that names the last
// file written (打开文件夹, 查看文件内容), and behind it the text page that
// shows 使用说明 or a file's text. The view is fed from the window's options
// at once: format, template, calendar, language, marks, the holiday list and
// the anniversaries.
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <memory>

#include "calendar/day_info.h"
#include "calendar/folk_layers.h"
#include "compose/almanac_text.h"
#include "ui/anniversaries_tab.h"
#include "ui/anniversary_days.h"
#include "ui/custom_format_tab.h"
#include "ui/holidays_tab.h"
#include "ui/main_window.h"
#include "ui/month_view.h"
#include "ui/named.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

std::chrono::sys_days DayOf(QDate date) {
  return std::chrono::sys_days{std::chrono::year{date.year()} / date.month() / date.day()};
}

// What the view shows, taken from the options when they change: a day's
// content is then computed from it alone. The anniversaries' days are
// shared with the snapshots before it while the list is the same.
struct MonthSnapshot {
  TitleFormat format;
  HolidayMarks marks;
  bool marksInTitles = false;
  std::shared_ptr<AnniversaryDays> anniversaries;

  DayCellContent Content(QDate date) {
    DayCellContent cell;
    const auto day = DayOf(date);
    if (!IsDescribable(day)) return cell;
    const std::string title = TitleOf(day, format);
    cell.title = ToQString(marksInTitles ? MarkedTitle(title, day, marks, format.language) : title);
    if (const auto mark = marks.find(day); mark != marks.end()) {
      const Vocabulary& words = VocabularyOf(format.language);
      cell.dayOff = mark->second == HolidayKind::DayOff;
      cell.badge = ToQString(cell.dayOff ? words.dayOff : words.workday);
    }
    AnniversaryDays::Day on = anniversaries->on(day, kAnniversariesListed);
    cell.anniversaries = std::move(on.titles);
    cell.anniversaryCount = on.count;
    return cell;
  }

  QString Description(QDate date) const {
    const auto day = DayOf(date);
    if (!IsDescribable(day)) return {};
    const DayInfo info = GetDayInfo(day, format.calendar, format.region);
    return ToQString(
        DescriptionOf(info, GetDayAlmanac(day, info.term, info.calendar, info.region), format.monthNaming,
                      format.language));
  }
};

}  // namespace

QWidget* MainWindow::buildSidePages(const QFont& font) {
  sidePages = Named<QStackedWidget>("sidePages");
  auto* monthPage = new QWidget;
  auto* monthLayout = new QVBoxLayout(monthPage);
  monthLayout->setContentsMargins(0, 0, 0, 0);
  monthView = new MonthView([this] { return services_.now().date(); });
  monthLayout->addWidget(monthView, 1);
  auto* fileLine = new QHBoxLayout;
  writtenFileLabel = Named<QLabel>("writtenFileLabel");
  writtenFileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  writtenFileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long name never widens the pane
  openWrittenFolderButton = Named<QPushButton>("openWrittenFolderButton", tr("打开文件夹"));
  viewFileButton = Named<QPushButton>("viewFileButton", tr("查看文件内容"));
  fileLine->addWidget(writtenFileLabel, 1);
  fileLine->addWidget(openWrittenFolderButton);
  fileLine->addWidget(viewFileButton);
  monthLayout->addLayout(fileLine);
  for (QWidget* w : std::initializer_list<QWidget*>{writtenFileLabel, openWrittenFolderButton, viewFileButton}) {
    w->hide();
  }

  auto* textPage = new QWidget;
  auto* textLayout = new QVBoxLayout(textPage);
  textLayout->setContentsMargins(0, 0, 0, 0);
  textLayout->addWidget(buildTextBox(font), 1);
  backToMonthButton = Named<QPushButton>("backToMonthButton", tr("返回月视图"));
  textLayout->addWidget(backToMonthButton, 0, Qt::AlignRight);
  sidePages->addWidget(monthPage);
  sidePages->addWidget(textPage);

  connect(backToMonthButton, &QPushButton::clicked, this, [this] { sidePages->setCurrentIndex(0); });
  connect(viewFileButton, &QPushButton::clicked, this, [this] { sidePages->setCurrentIndex(1); });
  connect(openWrittenFolderButton, &QPushButton::clicked, this, [this] { showInFolder(lastWrittenPath_, true); });
  connect(monthView, &MonthView::selectedDateChanged, customTab, &CustomFormatTab::setPreviewDate);
  return sidePages;
}

void MainWindow::refreshMonthView() {
  if (!monthView) return;
  auto snapshot = std::make_shared<MonthSnapshot>();
  snapshot->format = titleFormat();
  snapshot->marks = MarksOf(holidaysTab->knownSchedules());
  snapshot->marksInTitles = holidayMarksAction->isChecked();
  // The year's anniversaries are worked out again only when the list changed.
  if (!anniversaryDays_ || anniversaryDays_->entries() != anniversariesTab->entries()) {
    anniversaryDays_ = std::make_shared<AnniversaryDays>(anniversariesTab->entries());
  }
  snapshot->anniversaries = anniversaryDays_;
  monthView->setContent([snapshot](QDate date) { return snapshot->Content(date); },
                        [snapshot](QDate date) { return snapshot->Description(date); });
}

void MainWindow::showWrittenFile(const QString& path, YearRange years) {
  lastWrittenPath_ = path;
  // The name on one line, the whole path in its tool tip: the grid keeps its room.
  writtenFileLabel->setText(tr("已写入：%1").arg(QFileInfo(path).fileName()));
  writtenFileLabel->setToolTip(QDir::toNativeSeparators(path));
  for (QWidget* w : std::initializer_list<QWidget*>{writtenFileLabel, openWrittenFolderButton, viewFileButton}) {
    w->show();
  }
  monthView->showMonth(static_cast<int>(years.first()), 1);
  sidePages->setCurrentIndex(0);
}

}  // namespace tessarine
