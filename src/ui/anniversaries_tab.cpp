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
#include <QTableView>
#include <QUndoStack>

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
// The rows a column fitted to its contents is measured by.
constexpr int kRowsMeasured = 100;

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
    case EntryProblem::GregorianInWords: return AnniversariesTab::tr("这是公历日期，不是农历日期: 请写成 1960-04-03 这样 (按那天的农历日期纪念)，或直接写农历日期 (如 三月初八、3-8)");
    case EntryProblem::YearInLunarDate: return AnniversariesTab::tr("农历日期不带年份: 请写 三月初八 或 3-8，年份写在起始年一栏");
    case EntryProblem::UnknownCalendar: return AnniversariesTab::tr("不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；备注请移到右边一栏");
  }
  return {};
}

// The days before a reminder around the box's number, in the plural form
// the number takes ("1 day", "2 days"): the text before the number as the
// box's prefix, the text after it as its suffix.
void ShowDaysUnit(QSpinBox* box, int days) {
  const QString text = AnniversariesTab::tr("%n 天", "days before an anniversary, around the number in the box", days);
  const QString number = QString::number(days);
  const qsizetype at = text.indexOf(number);
  const QString prefix = at < 0 ? QString() : text.left(at);
  const QString suffix = at < 0 ? QString() : text.mid(at + number.size());
  // Set only when the form changes: setting them rewrites the text being typed.
  if (box->prefix() != prefix) box->setPrefix(prefix);
  if (box->suffix() != suffix) box->setSuffix(suffix);
}

}  // namespace

AnniversariesTab::AnniversariesTab(QString listFile, std::function<QDate()> today, QWidget* parent)
    : QWidget(parent), listFile_(std::move(listFile)), today_(std::move(today)), nextFrom_(today_()) {
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

AnniversariesTab::~AnniversariesTab() { rows_->show(nullptr, {}); }

void AnniversariesTab::buildTable() {
  RowWording wording;
  wording.columns = {tr("名称"), tr("日期"), tr("起始年"), tr("历法"), tr("农历 · 下次")};
  wording.columnTips = {{}, {}, {},
                        tr("留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）"),
                        tr("换算出的农历日期和下次的日子")};
  wording.problem = ProblemText;
  wording.repeats = [](int earlier) { return tr("与第 %1 行的名称和日期相同").arg(earlier); };
  wording.next = [this](const Anniversary& entry) { return nextText(entry); };
  wording.unsaved = tr("这一行还没有保存");
  rows_ = new AnniversaryRows(std::move(wording), this);
  entriesTable = Named<QTableView>("entriesTable");
  entriesTable->setModel(rows_);
  QHeaderView* columns = entriesTable->horizontalHeader();
  // 名称 takes the room the other columns leave (fitNames); the header's own
  // stretching keeps a stale width when they leave none, as a list of
  // 10,000 rows, whose numbers widen the row header, does.
  columns->setSectionResizeMode(0, QHeaderView::Interactive);
  columns->setSectionResizeMode(kCalendarColumn, QHeaderView::ResizeToContents);
  columns->setSectionResizeMode(kColumns, QHeaderView::ResizeToContents);
  // Fitted to the rows in sight and a few around them: a long list is never
  // read through for a width.
  columns->setResizeContentsPrecision(kRowsMeasured);
  entriesTable->setColumnWidth(1, 76);
  // 起始年 as wide as its header, which is longer than its years in most languages.
  columns->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  // Tab leaves the table for the next control instead of walking its cells.
  entriesTable->setTabKeyNavigation(false);
  // Every row one height, so that the table places a row without measuring the others.
  entriesTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  entriesTable->verticalHeader()->setDefaultSectionSize(20);
  entriesTable->verticalHeader()->setMinimumWidth(22);
  entriesTable->setToolTip(tr("每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)"));
  static_cast<QGridLayout*>(layout())->addWidget(entriesTable, 0, 0, 1, 5);
  connect(rows_, &AnniversaryRows::cellEdited, this, &AnniversariesTab::onCellEdited);
  connect(columns, &QHeaderView::sectionResized, this, [this](int column) {
    if (column != 0) fitNames();
  });
  entriesTable->viewport()->installEventFilter(this);
}

void AnniversariesTab::fitNames() {
  const QHeaderView* columns = entriesTable->horizontalHeader();
  int others = 0;
  for (int column = 1; column < columns->count(); ++column) others += columns->sectionSize(column);
  entriesTable->setColumnWidth(0, std::max(columns->minimumSectionSize(), entriesTable->viewport()->width() - others));
}

bool AnniversariesTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == entriesTable->viewport() && event->type() == QEvent::Resize) fitNames();
  return QWidget::eventFilter(watched, event);
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
  ShowDaysUnit(remindDaysSpin, remindDaysSpin->value());
  connect(remindDaysSpin, &QSpinBox::valueChanged, remindDaysSpin, [this](int days) { ShowDaysUnit(remindDaysSpin, days); });
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

void AnniversariesTab::setWording(LunarCalendar calendar, Language language, MonthNaming naming) {
  if (calendar == filesCalendar_ && language == language_ && naming == naming_) return;
  filesCalendar_ = calendar;
  language_ = language;
  naming_ = naming;
  check();
}

void AnniversariesTab::check() {
  nextFrom_ = today_();
  rows_->check();
  emit entriesChanged();
}

QString AnniversariesTab::nextText(const Anniversary& entry) const {
  const QDate today = nextFrom_;
  const auto from = std::chrono::sys_days{std::chrono::year{today.year()} / today.month() / today.day()};
  const auto next = NextOccurrence(entry, from);
  if (!next) return "—";
  // The date is named in the entry's own calendar, which is named too when
  // it is not the one chosen for the files.
  const DayInfo info = GetDayInfo(*next, entry.calendar, RegionOf(entry.calendar));
  std::string text;
  if (entry.calendar != filesCalendar_) {
    text.append(VocabularyOf(language_).calendarNames[static_cast<std::size_t>(entry.calendar)]).append(" ");
  }
  text.append(MonthAndDayName(info.lunar, naming_, language_)).append(" ");
  text.append(IsoDate(*next)).append(" ");
  // The weekday in the window's language (周三, Wed).
  return ToQString(text) + locale().dayName(std::chrono::weekday{*next}.iso_encoding(), QLocale::ShortFormat);
}

void AnniversariesTab::markUnsaved() { rows_->setUnsaved(unsavedRows_); }

void AnniversariesTab::onCellEdited(int row, int column, const QString& text) {
  if (!list_ || row < 0 || row >= rows_->rowCount()) return;
  change([&] {
    SetLeadingFields(list_->document, rows_->recordOf(row), rows_->fieldsWith(row, column, text.toStdString()));
  });
  rows_->rowChanged(row);
  unsavedRows_.insert(row);
  check();
  save();
}

void AnniversariesTab::onAddClicked() {
  if (!list_) return;
  change([this] { rows_->recordAppended(AppendRow(list_->document)); });
  check();
  markUnsaved();
  const QModelIndex first = rows_->index(rows_->rowCount() - 1, 0);
  entriesTable->setCurrentIndex(first);
  entriesTable->edit(first);
}

void AnniversariesTab::onRemoveClicked() {
  if (!list_) return;
  std::set<int> rows;
  for (const QModelIndex& index : entriesTable->selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && entriesTable->currentIndex().isValid()) rows.insert(entriesTable->currentIndex().row());
  if (rows.empty()) return;
  change([&] {
    // From the last, so that the earlier rows keep their records' places.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
      const std::size_t record = rows_->recordOf(*row);
      list_->document.records.erase(list_->document.records.begin() + static_cast<std::ptrdiff_t>(record));
      rows_->recordErased(*row);
    }
  });
  unsavedRows_.clear();
  check();
  save();
}

void AnniversariesTab::change(const std::function<void()>& edit) {
  const CsvDocument before = list_->document;
  edit();
  const auto put = [this](const CsvDocument& d, ListChange::Span s) { restore(d, s.start, s.removed, s.added); };
  undo_->push(new ListChange(before, list_->document, put, [this] { return list_ ? list_->document : CsvDocument{}; }));
}

std::optional<int> AnniversariesTab::remindDaysBefore() const {
  if (!remindCheck->isChecked()) return std::nullopt;
  return remindDaysSpin->value();
}

ReminderStyle AnniversariesTab::reminderStyle() const {
  return reminderEventsCheck->isChecked() ? ReminderStyle::SeparateEvent : ReminderStyle::Alarm;
}

}  // namespace tessarine
