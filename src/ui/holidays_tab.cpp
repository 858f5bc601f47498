#include "ui/holidays_tab.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "calendar/iso_date.h"
#include "calendar/year_range.h"
#include "export/holiday_calendar.h"
#include "files/bounded_read.h"
#include "holidays/region_holidays.h"
#include "lists/list_file.h"
#include "lists/region_holiday_list.h"
#include "ui/failure_text.h"
#include "ui/named.h"
#include "ui/notice_dialog.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

// A year from the region's rules, not yet published: its days say so.
bool IsComputed(const HolidaySchedule& schedule) {
  return !schedule.days.empty() && schedule.days.front().status == HolidayStatus::Provisional;
}

}  // namespace

HolidaysTab::HolidaysTab(QString listFile, Ask ask, QWidget* parent)
    : QWidget(parent), listFile_(std::move(listFile)), ask_(std::move(ask)) {
  setObjectName("holidaysTab");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);
  yearsList = Named<QListWidget>("holidayYearsList");
  yearsList->setToolTip(tr("已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）"));
  yearsList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // As wide as its longest entry, "2027 (自己添加)" or "2027 (推算)", and no wider.
  const QFontMetrics metrics = yearsList->fontMetrics();
  yearsList->setMaximumWidth(std::max(metrics.horizontalAdvance(tr("%1 (自己添加)").arg(2027)),
                                      metrics.horizontalAdvance(tr("%1 (推算)").arg(2027))) +
                             36);
  daysTable = Named<QTableWidget>("holidayDaysTable", 0, 4);
  daysTable->setHorizontalHeaderLabels({tr("日期"), tr("星期"), tr("休/班"), tr("节日")});
  daysTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  daysTable->setToolTip(tr("在此页生成 iCal 时写入左侧列表中选中的年份"));
  daysTable->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  daysTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  daysTable->verticalHeader()->hide();
  daysTable->verticalHeader()->setDefaultSectionSize(20);
  daysTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  daysTable->setTabKeyNavigation(false);
  pasteNoticeButton = Named<QPushButton>("pasteNoticeButton", tr("粘贴通知…"));
  pasteNoticeButton->setToolTip(tr("国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年"));
  importFileButton = Named<QPushButton>("importFileButton", tr("导入…"));
  removeYearButton = Named<QPushButton>("removeYearButton", tr("删除这一年"));
  removeYearButton->setToolTip(tr("删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销"));
  statusLabel = Named<QLabel>("holidayStatusLabel");
  statusLabel->setWordWrap(true);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(pasteNoticeButton);
  buttons->addWidget(importFileButton);
  buttons->addWidget(removeYearButton);
  layout->addWidget(yearsList, 0, 0);
  layout->addWidget(daysTable, 0, 1);
  layout->addLayout(buttons, 1, 0);
  layout->addWidget(statusLabel, 1, 1);
  undo_ = new QUndoStack(this);
  auto* undoAction = undo_->createUndoAction(this, tr("撤销"));
  undoAction->setObjectName("holidayUndoAction");
  undoAction->setShortcut(QKeySequence::Undo);
  undoAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(undoAction);
  connect(yearsList, &QListWidget::currentRowChanged, this, &HolidaysTab::showYear);
  connect(yearsList, &QListWidget::itemSelectionChanged, this, [this] {
    const QListWidgetItem* current = yearsList->currentItem();
    removeYearButton->setEnabled(current && current->data(Qt::UserRole).toBool());
  });
  connect(pasteNoticeButton, &QPushButton::clicked, this, &HolidaysTab::onPasteNoticeClicked);
  connect(importFileButton, &QPushButton::clicked, this, &HolidaysTab::onImportClicked);
  connect(removeYearButton, &QPushButton::clicked, this, &HolidaysTab::onRemoveYearClicked);
  showRegionControls();
  load();
}

Result<HolidayList, QString> HolidaysTab::readList() const {
  const FileBytes read = ReadBoundedFile(listFile_.toStdString());
  if (read.error) {
    return Failure{
        tr("节假日列表 %1 无法读取（%2），只使用内置的年份。").arg(QDir::toNativeSeparators(listFile_), ReasonText(read.error))};
  }
  if (!read.bytes) return HolidayList{};
  const auto loaded = LoadList(*read.bytes);
  if (!loaded) {
    return Failure{tr("节假日列表 %1 无法读取，只使用内置的年份，也不会保存。").arg(QDir::toNativeSeparators(listFile_))};
  }
  return ReadHolidayList(loaded->document);
}

std::vector<HolidaySchedule> HolidaysTab::knownSchedules(Region region) const {
  return region == region_ ? known_ : KnownSchedules(user_, region);
}

void HolidaysTab::setRegion(Region region, Language language) {
  if (region == region_ && language == language_) return;
  const bool newRegion = region != region_;
  region_ = region;
  language_ = language;
  if (newRegion) {
    undo_->clear();  // a removal undone must go back into the region it was taken from
    showRegionControls();
  }
  load();
}

// The mainland's years come from a pasted notice, Taiwan's and Hong Kong's
// from the file their government publishes; Korea's and Vietnam's days are
// rows the user adds to the list.
void HolidaysTab::showRegionControls() {
  pasteNoticeButton->setVisible(region_ == Region::China);
  importFileButton->setVisible(region_ == Region::Taiwan || region_ == Region::HongKong);
  importFileButton->setToolTip(region_ == Region::Taiwan
                                   ? tr("行政院人事行政总处公布新一年的办公日历表（CSV）后，下载并导入即可加入这一年")
                                   : tr("导入香港政府公布的公众假期日历（iCalendar 文件）"));
}

void HolidaysTab::load() {
  problem_.clear();
  auto read = readList();
  if (!read) problem_ = read.error();
  HolidayList user = std::move(read).value_or(HolidayList{});
  if (!user.errors.empty()) problem_ = tr("节假日列表第 %1 行有误，已跳过。").arg(user.errors.front().line);
  known_ = KnownSchedules(user, region_);
  user_ = user;
  userYears_.clear();
  for (const auto& [year, schedule] : YearsOf(user, region_)) userYears_.push_back(year);
  yearsList->clear();
  for (const HolidaySchedule& schedule : known_) {
    const bool own = std::find(userYears_.begin(), userYears_.end(), schedule.year) != userYears_.end();
    QString text = QString::number(schedule.year);
    if (own) {
      text = tr("%1 (自己添加)").arg(schedule.year);
    } else if (IsComputed(schedule)) {
      text = tr("%1 (推算)").arg(schedule.year);
    }
    auto* item = new QListWidgetItem(text, yearsList);
    item->setData(Qt::UserRole, own);
  }
  statusLabel->setText(problem_.isEmpty() ? knownSummary() : problem_);
  // The last year published (or added), not 2100 from the rules.
  int shown = static_cast<int>(known_.size()) - 1;
  while (shown > 0 && IsComputed(known_[static_cast<std::size_t>(shown)])) --shown;
  yearsList->setCurrentRow(shown);
}

// "已知 2008–2026 年（更早的年份未内置）；2027 年的通知公布后可粘贴加入。", or
// for a region with rules, which years were published and which are
// computed.
QString HolidaysTab::knownSummary() const {
  if (known_.empty()) return tr("这个地区没有已知的年份。");
  const int first = known_.front().year, last = known_.back().year;
  QStringList sentences{first > static_cast<int>(YearRange::First)
                            ? tr("已知 %1–%2 年（更早的年份未内置）。").arg(first).arg(last)
                            : tr("已知 %1–%2 年。").arg(first).arg(last)};
  const RegionHolidayYears years = HolidayYearsOf(region_);
  if (years.known.last() > years.published.last()) {
    sentences << tr("%1–%2 年按政府公布的安排，其后的年份按法定规则推算，标为“暂定”。")
                     .arg(static_cast<int>(years.published.first()))
                     .arg(static_cast<int>(years.published.last()));
  }
  switch (region_) {
    case Region::China: sentences << tr("%1 年的通知公布后可粘贴加入。").arg(last + 1); break;
    case Region::Taiwan: sentences << tr("新一年的办公日历表公布后可导入。"); break;
    case Region::HongKong: sentences << tr("政府公布新的假期日历后可导入。"); break;
    case Region::Korea:
    case Region::Vietnam:
      sentences << tr("临时假日等可在 %1 中加一行（地区一列写 %2）。")
                       .arg(QFileInfo(listFile_).fileName(), ToQString(RegionTag(region_)));
      break;
  }
  // Chinese runs its sentences on; Korean, Vietnamese and English space them.
  return sentences.join(QLocale().language() == QLocale::Chinese ? "" : " ");
}

std::vector<HolidaySchedule> HolidaysTab::selectedSchedules() const {
  std::vector<HolidaySchedule> chosen;
  for (int row = 0; row < yearsList->count(); ++row) {
    if (yearsList->item(row)->isSelected() && row < static_cast<int>(known_.size())) {
      chosen.push_back(known_[static_cast<std::size_t>(row)]);
    }
  }
  return chosen;
}

void HolidaysTab::showYear(int row) {
  daysTable->setRowCount(0);
  if (row < 0 || row >= static_cast<int>(known_.size())) return;
  for (const HolidayDay& day : known_[static_cast<std::size_t>(row)].days) {
    const int at = daysTable->rowCount();
    daysTable->insertRow(at);
    const QColor colour = day.kind == HolidayKind::DayOff ? QColor(214, 240, 214) : QColor(255, 226, 200);
    const QString cells[] = {ToQString(IsoDate(day.date)), locale().dayName(std::chrono::weekday{day.date}.iso_encoding(), QLocale::ShortFormat),
                             ToQString(HolidayMarkWords(day, language_, region_)), ToQString(day.name)};
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column == 2) item->setBackground(colour);
      daysTable->setItem(at, column, item);
    }
  }
}

bool HolidaysTab::change(const std::function<void(CsvDocument&)>& edit, int year) {
  const auto update = UpdateListFile(listFile_.toStdString(), [&](LoadedList& current) {
    edit(current.document);
    return ChangeOutcome::Apply;
  });
  load();
  if (update) return true;
  if (update.error().kind == ListUpdateError::Kind::Failed) {
    statusLabel->setText(tr("保存节假日列表失败：%1，%2 年没有改动。").arg(ReasonText(update.error().error)).arg(year));
  } else {
    statusLabel->setText(problem_);
  }
  return false;
}

namespace {

// A change of the list that Ctrl+Z takes back: removing a year the user
// added, undone by storing it again.
class YearRemoval : public QUndoCommand {
 public:
  YearRemoval(HolidaySchedule removed, Region region,
              std::function<bool(const std::function<void(CsvDocument&)>&, int)> change)
      : QUndoCommand(HolidaysTab::tr("删除 %1 年").arg(removed.year)),
        removed_(std::move(removed)),
        region_(region),
        change_(std::move(change)) {}
  void redo() override {
    change_([this](CsvDocument& d) { RemoveSchedule(d, removed_.year, region_); }, removed_.year);
  }
  void undo() override {
    change_([this](CsvDocument& d) { StoreSchedule(d, removed_, region_); }, removed_.year);
  }

 private:
  HolidaySchedule removed_;
  Region region_;
  std::function<bool(const std::function<void(CsvDocument&)>&, int)> change_;
};

}  // namespace

void HolidaysTab::onRemoveYearClicked() {
  const int row = yearsList->currentRow();
  if (row < 0 || row >= static_cast<int>(known_.size()) || !yearsList->item(row)->data(Qt::UserRole).toBool()) return;
  const HolidaySchedule removed = known_[static_cast<std::size_t>(row)];
  undo_->push(new YearRemoval(removed, region_, [this](const std::function<void(CsvDocument&)>& edit, int year) {
    return change(edit, year);
  }));
  statusLabel->setText(tr("已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。").arg(removed.year));
}

}  // namespace tessarine
