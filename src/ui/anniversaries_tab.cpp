#include "ui/anniversaries_tab.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>
#include <algorithm>
#include <map>
#include <tuple>

#include "calendar/day_info.h"
#include "calendar/iso_date.h"
#include "calendar/lunar_names.h"
#include "calendar/year_range.h"
#include "ui/list_change.h"
#include "ui/named.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

// The entry's fields (名称, 日期, 起始年, 历法), then the computed 农历 · 下次.
constexpr int kColumns = kEntryColumns;
constexpr int kCalendarColumn = 3;
const QColor kBadCell(255, 205, 205);
const QColor kRepeatedCell(255, 240, 190);

QString ProblemText(EntryProblem problem) {
  const int first = static_cast<int>(YearRange::First), last = static_cast<int>(YearRange::Last);
  switch (problem) {
    case EntryProblem::MissingName: return AnniversariesTab::tr("请填写名称");
    case EntryProblem::MissingDate: return AnniversariesTab::tr("请填写日期");
    case EntryProblem::UnknownDate: return AnniversariesTab::tr("无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)");
    case EntryProblem::UnknownMonth: return AnniversariesTab::tr("没有这个农历月份");
    case EntryProblem::UnknownDay: return AnniversariesTab::tr("没有这个农历日期");
    case EntryProblem::NoSuchDay: return AnniversariesTab::tr("公历没有这一天");
    case EntryProblem::DateOutOfRange: return AnniversariesTab::tr("公历日期必须在 %1-01-01 至 %2-12-31 之间").arg(first).arg(last);
    case EntryProblem::BadFirstYear: return AnniversariesTab::tr("起始年必须是 %1 至 %2 之间的四位数年份").arg(kEarliestFirstYear).arg(last);
  }
  return {};
}

}  // namespace

AnniversariesTab::AnniversariesTab(QString listFile, std::function<QDate()> today, QWidget* parent)
    : QWidget(parent), listFile_(std::move(listFile)), today_(std::move(today)) {
  setObjectName("anniversariesTab");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);
  buildTable();
  buildControls();
  buildProblemBar();

  undo_ = new QUndoStack(this);
  auto* undoAction = undo_->createUndoAction(this, tr("撤销"));
  undoAction->setObjectName("undoAction");
  undoAction->setShortcut(QKeySequence::Undo);
  undoAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(undoAction);
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &AnniversariesTab::onFileChanged);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &AnniversariesTab::onFileChanged);
  load();
}

void AnniversariesTab::buildTable() {
  entriesTable = Named<QTableWidget>("entriesTable", 0, kColumns + 1);
  entriesTable->setHorizontalHeaderLabels({tr("名称"), tr("日期"), tr("起始年"), tr("历法"), tr("农历 · 下次")});
  entriesTable->horizontalHeaderItem(kCalendarColumn)
      ->setToolTip(tr("留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）"));
  entriesTable->horizontalHeaderItem(kColumns)->setToolTip(tr("换算出的农历日期和下次的日子"));
  entriesTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  entriesTable->horizontalHeader()->setSectionResizeMode(kCalendarColumn, QHeaderView::ResizeToContents);
  entriesTable->horizontalHeader()->setSectionResizeMode(kColumns, QHeaderView::ResizeToContents);
  entriesTable->setColumnWidth(1, 76);
  entriesTable->setColumnWidth(2, 44);
  // Tab leaves the table for the next control instead of walking its cells.
  entriesTable->setTabKeyNavigation(false);
  entriesTable->verticalHeader()->setDefaultSectionSize(20);
  entriesTable->verticalHeader()->setMinimumWidth(22);
  entriesTable->setToolTip(tr("每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)"));
  static_cast<QGridLayout*>(layout())->addWidget(entriesTable, 0, 0, 1, 5);
  connect(entriesTable, &QTableWidget::cellChanged, this, [this](int row) {
    if (!loading_) onCellChanged(row);
  });
}

void AnniversariesTab::buildControls() {
  auto* grid = static_cast<QGridLayout*>(layout());
  addButton = Named<QPushButton>("addButton", tr("添加"));
  addButton->setToolTip(tr("添加一行纪念日"));
  removeButton = Named<QPushButton>("removeButton", tr("删除"));
  removeButton->setToolTip(tr("删除选中的纪念日"));
  remindCheck = Named<QCheckBox>("remindCheck", tr("提前提醒"));
  remindCheck->setToolTip(tr("在纪念日前几天的上午 9 点提醒 (0 为当天)"));
  remindDaysSpin = Named<QSpinBox>("remindDaysSpin");
  remindDaysSpin->setRange(0, 30);
  remindDaysSpin->setValue(1);
  remindDaysSpin->setSuffix(tr(" 天"));
  remindDaysSpin->setEnabled(false);
  reminderEventsCheck = Named<QCheckBox>("reminderEventsCheck", tr("提醒写成单独事件"));
  reminderEventsCheck->setToolTip(tr("Google 日历导入时会丢弃提醒：勾选后，提醒写成提前几天的全天事件，如“3天后：妈妈生日”"));
  reminderEventsCheck->setEnabled(false);
  grid->addWidget(addButton, 1, 0);
  grid->addWidget(removeButton, 1, 1);
  grid->addWidget(remindCheck, 1, 3);
  grid->addWidget(remindDaysSpin, 1, 4);
  grid->addWidget(reminderEventsCheck, 2, 3, 1, 2);
  grid->setColumnStretch(2, 1);

  hintLabel = Named<QLabel>("hintLabel", tr("日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03"));
  hintLabel->setToolTip(tr("红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成"));
  hintLabel->setWordWrap(true);
  grid->addWidget(hintLabel, 2, 0, 1, 3);

  connect(addButton, &QPushButton::clicked, this, &AnniversariesTab::onAddClicked);
  connect(removeButton, &QPushButton::clicked, this, &AnniversariesTab::onRemoveClicked);
  connect(remindCheck, &QCheckBox::toggled, remindDaysSpin, &QSpinBox::setEnabled);
  connect(remindCheck, &QCheckBox::toggled, reminderEventsCheck, &QCheckBox::setEnabled);
}

void AnniversariesTab::buildProblemBar() {
  problemLabel = Named<QLabel>("problemLabel");
  problemLabel->setWordWrap(true);
  problemLabel->setStyleSheet("color: #b00000;");
  openListFolderButton = Named<QPushButton>("openListFolderButton", tr("打开文件夹"));
  newListButton = Named<QPushButton>("newListButton", tr("新建列表"));
  newListButton->setToolTip(tr("把无法读取的文件改名留作备份，从空列表开始"));
  auto* bar = new QHBoxLayout;
  bar->addWidget(problemLabel, 1);
  bar->addWidget(openListFolderButton);
  bar->addWidget(newListButton);
  static_cast<QGridLayout*>(layout())->addLayout(bar, 3, 0, 1, 5);
  problemLabel->hide();
  openListFolderButton->hide();
  newListButton->hide();
  connect(openListFolderButton, &QPushButton::clicked, this,
          [this] { emit openFolderRequested(QFileInfo(listFile_).absolutePath()); });
  connect(newListButton, &QPushButton::clicked, this, &AnniversariesTab::onNewListClicked);
}

std::vector<std::string> AnniversariesTab::fieldsOf(int row) const {
  std::vector<std::string> fields;
  for (int column = 0; column < kColumns; ++column) {
    const QTableWidgetItem* item = entriesTable->item(row, column);
    fields.push_back(item ? item->text().toStdString() : std::string());
  }
  const bool hadCalendar = list_ && row < static_cast<int>(rowRecords_.size()) &&
                           list_->document.records[rowRecords_[static_cast<std::size_t>(row)]].fields.size() > 3;
  if (fields.back().empty() && !hadCalendar) fields.pop_back();
  return fields;
}

std::optional<EntryResult> AnniversariesTab::parsedRow(int row) const {
  const std::vector<std::string> fields = fieldsOf(row);
  if (IsBlankRow(fields)) return std::nullopt;
  return ParseAnniversary(fields, defaultCalendar_);
}

void AnniversariesTab::setDefaultCalendar(LunarCalendar calendar) {
  defaultCalendar_ = calendar;
  check();
}

void AnniversariesTab::check() {
  const QSignalBlocker quiet(entriesTable);  // colouring is no edit
  std::map<std::tuple<std::string, unsigned, unsigned, bool>, int> firstRowOf;
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    const std::optional<EntryResult> result = parsedRow(row);
    const EntryError* error = result ? std::get_if<EntryError>(&*result) : nullptr;
    const Anniversary* entry = result ? std::get_if<Anniversary>(&*result) : nullptr;
    int repeats = 0;  // the earlier row with the same name and date, from 1
    if (entry) {
      const auto [at, fresh] = firstRowOf.try_emplace({entry->name, entry->month, entry->day, entry->leap}, row + 1);
      if (!fresh) repeats = at->second;
    }
    auto* next = new QTableWidgetItem(entry ? nextText(*entry) : QString());
    next->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);  // shown, never edited
    entriesTable->setItem(row, kColumns, next);
    for (int column = 0; column < kColumns; ++column) {
      QTableWidgetItem* item = entriesTable->item(row, column);
      if (!item) entriesTable->setItem(row, column, item = new QTableWidgetItem);
      const bool bad = error && std::min(error->field, kColumns) == column + 1;  // extra columns: the last shown
      const bool repeated = repeats > 0 && column == 0;
      item->setBackground(bad ? QBrush(kBadCell) : repeated ? QBrush(kRepeatedCell) : QBrush());
      item->setToolTip(bad        ? ProblemText(error->problem)
                       : repeated ? tr("与第 %1 行的名称和日期相同").arg(repeats)
                                  : QString());
    }
  }
  emit entriesChanged();
}

QString AnniversariesTab::nextText(const Anniversary& entry) const {
  const QDate today = today_();
  const auto from = std::chrono::sys_days{std::chrono::year{today.year()} / today.month() / today.day()};
  const auto next = NextOccurrence(entry, from);
  if (!next) return "—";
  // The date is named in the entry's own calendar, which is named too when
  // it is not the Chinese one.
  const DayInfo info = GetDayInfo(*next, entry.calendar);
  const Vocabulary& words = VocabularyOf(Language::ZhHans);
  std::string text;
  if (entry.calendar != LunarCalendar::China) {
    text.append(words.calendarNames[static_cast<std::size_t>(entry.calendar)]).append(" ");
  }
  text.append(MonthAndDayName(info.lunar, MonthNaming::WinterAndLast, Language::ZhHans)).append(" ");
  text.append(IsoDate(*next)).append(" ");
  // The weekday in the window's language (周三, Wed).
  return ToQString(text) + locale().dayName(std::chrono::weekday{*next}.iso_encoding(), QLocale::ShortFormat);
}

void AnniversariesTab::markUnsaved() {
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    auto* header = new QTableWidgetItem(unsavedRows_.count(row) ? QString("%1*").arg(row + 1) : QString::number(row + 1));
    if (unsavedRows_.count(row)) header->setToolTip(tr("这一行还没有保存"));
    entriesTable->setVerticalHeaderItem(row, header);
  }
}

void AnniversariesTab::onCellChanged(int row) {
  if (!list_ || row < 0 || row >= static_cast<int>(rowRecords_.size())) return;
  remember(list_->document);
  SetLeadingFields(list_->document, rowRecords_[static_cast<std::size_t>(row)], fieldsOf(row));
  unsavedRows_.insert(row);
  check();
  save();
}

void AnniversariesTab::onAddClicked() {
  if (!list_) return;
  remember(list_->document);
  rowRecords_.push_back(AppendRow(list_->document));
  const int row = entriesTable->rowCount();
  entriesTable->insertRow(row);
  check();
  markUnsaved();
  entriesTable->setCurrentCell(row, 0);
  entriesTable->editItem(entriesTable->item(row, 0));
}

void AnniversariesTab::onRemoveClicked() {
  if (!list_) return;
  std::set<int> rows;
  for (const QModelIndex& index : entriesTable->selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && entriesTable->currentRow() >= 0) rows.insert(entriesTable->currentRow());
  if (rows.empty()) return;
  remember(list_->document);
  // From the last, so that the earlier rows keep their records' places.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    const std::size_t record = rowRecords_[static_cast<std::size_t>(*row)];
    list_->document.records.erase(list_->document.records.begin() + static_cast<std::ptrdiff_t>(record));
    rowRecords_.erase(rowRecords_.begin() + *row);
    for (std::size_t& later : rowRecords_) later -= later > record;
    entriesTable->removeRow(*row);
  }
  unsavedRows_.clear();
  check();
  save();
}

void AnniversariesTab::remember(CsvDocument before) {
  undo_->push(new ListChange(std::move(before), [this](const CsvDocument& d) { restore(d); },
                             [this] { return list_ ? list_->document : CsvDocument{}; }));
}

std::vector<Anniversary> AnniversariesTab::validEntries() const {
  std::vector<Anniversary> entries;
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    const std::optional<EntryResult> result = parsedRow(row);
    if (const auto* entry = result ? std::get_if<Anniversary>(&*result) : nullptr) entries.push_back(*entry);
  }
  return entries;
}

std::vector<int> AnniversariesTab::invalidRows() const {
  std::vector<int> rows;
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    const std::optional<EntryResult> result = parsedRow(row);
    if (result && std::holds_alternative<EntryError>(*result)) rows.push_back(row + 1);
  }
  return rows;
}

std::optional<int> AnniversariesTab::remindDaysBefore() const {
  if (!remindCheck->isChecked()) return std::nullopt;
  return remindDaysSpin->value();
}

ReminderStyle AnniversariesTab::reminderStyle() const {
  return reminderEventsCheck->isChecked() ? ReminderStyle::SeparateEvent : ReminderStyle::Alarm;
}

}  // namespace tessarine
