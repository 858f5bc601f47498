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
#include "files/bounded_read.h"
#include "lists/list_file.h"
#include "lists/region_holiday_list.h"
#include "ui/failure_text.h"
#include "ui/named.h"
#include "ui/notice_dialog.h"
#include "ui/qt_text.h"

namespace tessarine {

HolidaysTab::HolidaysTab(QString listFile, Ask ask, QWidget* parent)
    : QWidget(parent), listFile_(std::move(listFile)), ask_(std::move(ask)) {
  setObjectName("holidaysTab");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);
  yearsList = Named<QListWidget>("holidayYearsList");
  yearsList->setToolTip(tr("已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）"));
  yearsList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // As wide as its longest entry, "2027 (自己添加)", and no wider.
  yearsList->setMaximumWidth(yearsList->fontMetrics().horizontalAdvance(tr("%1 (自己添加)").arg(2027)) + 36);
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
  removeYearButton = Named<QPushButton>("removeYearButton", tr("删除这一年"));
  removeYearButton->setToolTip(tr("删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销"));
  statusLabel = Named<QLabel>("holidayStatusLabel");
  statusLabel->setWordWrap(true);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(pasteNoticeButton);
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
  connect(removeYearButton, &QPushButton::clicked, this, &HolidaysTab::onRemoveYearClicked);
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
  return region == Region::China ? known_ : KnownSchedules(user_, region);
}

void HolidaysTab::load() {
  problem_.clear();
  auto read = readList();
  if (!read) problem_ = read.error();
  HolidayList user = std::move(read).value_or(HolidayList{});
  if (!user.errors.empty()) problem_ = tr("节假日列表第 %1 行有误，已跳过。").arg(user.errors.front().line);
  known_ = KnownSchedules(user);
  user_ = user;
  userYears_.clear();
  for (const auto& [year, schedule] : user.years) userYears_.push_back(year);
  yearsList->clear();
  for (const HolidaySchedule& schedule : known_) {
    const bool own = std::find(userYears_.begin(), userYears_.end(), schedule.year) != userYears_.end();
    auto* item = new QListWidgetItem(own ? tr("%1 (自己添加)").arg(schedule.year) : QString::number(schedule.year), yearsList);
    item->setData(Qt::UserRole, own);
  }
  statusLabel->setText(problem_.isEmpty() ? knownSummary() : problem_);
  yearsList->setCurrentRow(yearsList->count() - 1);
}

// "已知 2008–2026 年；1901–2007 年没有官方安排；2027 年的通知公布后可粘贴加入。"
QString HolidaysTab::knownSummary() const {
  const int first = known_.front().year, last = known_.back().year;
  const int earliest = static_cast<int>(YearRange::First);
  if (last == static_cast<int>(YearRange::Last)) {
    return tr("已知 %1–%2 年；%3–%4 年没有官方安排。").arg(first).arg(last).arg(earliest).arg(first - 1);
  }
  return tr("已知 %1–%2 年；%3–%4 年没有官方安排；%5 年的通知公布后可粘贴加入。")
      .arg(first)
      .arg(last)
      .arg(earliest)
      .arg(first - 1)
      .arg(last + 1);
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
                             ToQString(KindMark(day.kind)), ToQString(day.name)};
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
  YearRemoval(HolidaySchedule removed, std::function<bool(const std::function<void(CsvDocument&)>&, int)> change)
      : QUndoCommand(HolidaysTab::tr("删除 %1 年").arg(removed.year)), removed_(std::move(removed)), change_(std::move(change)) {}
  void redo() override {
    change_([year = removed_.year](CsvDocument& d) { RemoveSchedule(d, year, Region::China); }, removed_.year);
  }
  void undo() override {
    change_([this](CsvDocument& d) { StoreSchedule(d, removed_, Region::China); }, removed_.year);
  }

 private:
  HolidaySchedule removed_;
  std::function<bool(const std::function<void(CsvDocument&)>&, int)> change_;
};

}  // namespace

void HolidaysTab::onRemoveYearClicked() {
  const int row = yearsList->currentRow();
  if (row < 0 || row >= static_cast<int>(known_.size()) || !yearsList->item(row)->data(Qt::UserRole).toBool()) return;
  const HolidaySchedule removed = known_[static_cast<std::size_t>(row)];
  undo_->push(new YearRemoval(removed, [this](const std::function<void(CsvDocument&)>& edit, int year) {
    return change(edit, year);
  }));
  statusLabel->setText(tr("已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。").arg(removed.year));
}

void HolidaysTab::onPasteNoticeClicked() {
  // A fresh box each time: a notice cancelled or read before is not read again.
  delete noticeDialog;
  {
    noticeDialog = new NoticeDialog(
        [this](int year) -> std::optional<HolidaySchedule> {
          for (const HolidaySchedule& schedule : known_) {
            if (schedule.year == year) return schedule;
          }
          return std::nullopt;
        },
        this);
    connect(noticeDialog, &QDialog::accepted, this, [this] {
      if (const auto schedule = noticeDialog->schedule()) store(*schedule);
    });
  }
  noticeDialog->open();
}

// The user's rows of the year that the import would replace, as the list is
// on disk now.
std::vector<HolidayDay> HolidaysTab::replacedRows(const HolidaySchedule& schedule) const {
  const auto read = readList();
  return read ? ReplacedRows(*read, schedule, Region::China) : std::vector<HolidayDay>{};
}

bool HolidaysTab::confirmReplacing(const std::vector<HolidayDay>& rows) {
  if (rows.empty()) return true;
  QString listed;
  for (const HolidayDay& row : rows) {
    listed += ToQString(IsoDate(row.date) + " " + std::string(KindMark(row.kind)) + " " + row.name) + "\n";
  }
  return ask_(tr("这将替换你自己添加的 %1 行：\n%2是否继续？").arg(rows.size()).arg(listed));
}

void HolidaysTab::store(const HolidaySchedule& schedule) {
  const std::vector<HolidayDay> expected = replacedRows(schedule);
  if (!confirmReplacing(expected)) return;
  // Applied to the list as it is now, under its lock: a year stored by
  // tessarine-cli meanwhile stays. If the rows the user agreed to replace
  // have changed since, nothing is written.
  std::optional<int> badLine;
  const auto update = UpdateListFile(listFile_.toStdString(), [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) badLine = list.errors.front().line;
    if (badLine || ReplacedRows(list, schedule, Region::China) != expected) return ChangeOutcome::Refuse;
    StoreSchedule(current.document, schedule, Region::China);
    return ChangeOutcome::Apply;
  });
  load();
  if (!update) {
    const bool failed = update.error().kind == ListUpdateError::Kind::Failed;
    statusLabel->setText(failed ? tr("保存节假日列表失败：%1").arg(ReasonText(update.error().error)) : problem_);
    return;
  }
  if (update->outcome == LockedUpdate::Outcome::Refused) {
    if (badLine) {
      statusLabel->setText(tr("节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。").arg(*badLine).arg(schedule.year));
      return;
    }
    statusLabel->setText(tr("节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。").arg(schedule.year));
    return;
  }
  const auto at = std::find_if(known_.begin(), known_.end(), [&](const HolidaySchedule& s) { return s.year == schedule.year; });
  yearsList->setCurrentRow(static_cast<int>(at - known_.begin()));
  statusLabel->setText(tr("已保存 %1 年的放假安排。").arg(schedule.year));
}

}  // namespace tessarine
