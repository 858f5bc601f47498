#include "ui/month_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/named.h"

namespace tessarine {
namespace {

constexpr int kRows = 6, kColumns = 7;
// The anniversaries named under the grid at most; the rest are counted.
constexpr int kAnniversariesUnderGrid = 3;
const QColor kToday(255, 244, 196);
const QColor kOtherMonth(150, 150, 150);
const QColor kWeekend(200, 40, 40);
const QColor kDayOff(214, 240, 214);
const QColor kWorkday(255, 226, 200);

}  // namespace

MonthView::MonthView(std::function<QDate()> today, QWidget* parent) : QWidget(parent), today_(std::move(today)) {
  setObjectName("monthView");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  buildHeader();
  daysGrid = Named<QTableWidget>("daysGrid", kRows, kColumns);
  daysGrid->setHorizontalHeaderLabels({tr("一"), tr("二"), tr("三"), tr("四"), tr("五"), tr("六"), tr("日")});
  daysGrid->verticalHeader()->hide();
  daysGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  daysGrid->horizontalHeader()->setMinimumSectionSize(QFontMetrics(font()).horizontalAdvance(QString::fromUtf8("初一")) + 4);
  daysGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  daysGrid->verticalHeader()->setMinimumSectionSize(QFontMetrics(daysGrid->font()).height() * 2);
  daysGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  daysGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  daysGrid->setWordWrap(true);
  daysGrid->setTabKeyNavigation(false);
  // Every cell in sight at once: the grid shrinks its text, never scrolls.
  daysGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  daysGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont small = daysGrid->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  daysGrid->setFont(small);
  daysGrid->setStyleSheet("QTableWidget::item { padding: 0px; }");
  daysGrid->installEventFilter(this);
  layout->addWidget(daysGrid, 1);
  descriptionLabel = Named<QLabel>("descriptionLabel");
  descriptionLabel->setWordWrap(true);
  descriptionLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Two lines are always kept for it, so that a long description never runs over the grid.
  descriptionLabel->setMinimumHeight(descriptionLabel->fontMetrics().lineSpacing() * 2 + 2);
  descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  descriptionLabel->installEventFilter(this);  // a new width fits the anniversaries anew
  layout->addWidget(descriptionLabel);
  connect(daysGrid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
    if (row < 0 || column < 0) return;
    const QDate date = dateAt(row, column);
    if (date.month() != selected_.month() || date.year() != selected_.year()) return selectDate(date);
    selected_ = date;
    showDescription();
    emit selectedDateChanged(selected_);
  });
  selected_ = today_();
}

void MonthView::buildHeader() {
  auto* header = new QHBoxLayout;
  const auto button = [this](const char* name, const QString& text, const QString& tip) {
    auto* b = Named<QToolButton>(name);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
  };
  previousYearButton = button("previousYearButton", "«", tr("上一年（Ctrl+PgUp）"));
  previousMonthButton = button("previousMonthButton", "‹", tr("上一月（PgUp）"));
  monthLabel = Named<QLabel>("monthLabel");
  monthLabel->setAlignment(Qt::AlignCenter);
  nextMonthButton = button("nextMonthButton", "›", tr("下一月（PgDn）"));
  nextYearButton = button("nextYearButton", "»", tr("下一年（Ctrl+PgDn）"));
  todayButton = button("todayButton", tr("今天"), tr("回到今天（Home）"));
  for (QWidget* w : std::initializer_list<QWidget*>{previousYearButton, previousMonthButton}) header->addWidget(w);
  header->addWidget(monthLabel, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{nextMonthButton, nextYearButton, todayButton}) header->addWidget(w);
  static_cast<QVBoxLayout*>(layout())->addLayout(header);
  connect(previousYearButton, &QToolButton::clicked, this, [this] { selectDate(selected_.addYears(-1)); });
  connect(previousMonthButton, &QToolButton::clicked, this, [this] { selectDate(selected_.addMonths(-1)); });
  connect(nextMonthButton, &QToolButton::clicked, this, [this] { selectDate(selected_.addMonths(1)); });
  connect(nextYearButton, &QToolButton::clicked, this, [this] { selectDate(selected_.addYears(1)); });
  connect(todayButton, &QToolButton::clicked, this, [this] { selectDate(today_()); });
}

void MonthView::setContent(ContentFunction content, DescriptionFunction describe) {
  content_ = std::move(content);
  describe_ = std::move(describe);
  refresh();
}

void MonthView::showMonth(int year, int month) { selectDate(QDate(year, month, 1)); }

void MonthView::selectDate(QDate date) {
  if (!date.isValid()) return;
  const bool sameMonth = date.year() == selected_.year() && date.month() == selected_.month() && firstShown_.isValid();
  selected_ = date;
  if (!sameMonth) fillGrid();
  const int offset = static_cast<int>(firstShown_.daysTo(date));
  const QSignalBlocker quiet(daysGrid);
  daysGrid->setCurrentCell(offset / kColumns, offset % kColumns);
  showDescription();
  emit selectedDateChanged(selected_);
}

void MonthView::refresh() {
  fillGrid();
  showDescription();
}

QDate MonthView::dateAt(int row, int column) const { return firstShown_.addDays(row * kColumns + column); }

void MonthView::fillGrid() {
  const QDate first(selected_.year(), selected_.month(), 1);
  firstShown_ = first.addDays(1 - first.dayOfWeek());  // Monday first
  // A date format, so that English shows the month by its name.
  monthLabel->setText(locale().toString(first, tr("yyyy 年 M 月")));
  const QDate today = today_();
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const QDate date = dateAt(row, column);
      const DayCellContent cell = content_ ? content_(date) : DayCellContent{};
      QString text = QString::number(date.day());
      if (!cell.badge.isEmpty()) text += " " + cell.badge;
      if (cell.anniversaryCount > 0) text += " ●";
      text += "\n" + cell.title;
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      item->setData(Qt::UserRole, cell.title);
      QStringList tip;
      if (!cell.title.isEmpty()) tip << cell.title;
      item->setToolTip((tip << listed(cell)).join("\n"));
      if (date.month() != first.month()) {
        item->setForeground(kOtherMonth);
      } else if (date.dayOfWeek() >= 6) {
        item->setForeground(kWeekend);
      }
      if (date == today) {
        item->setBackground(kToday);
      } else if (!cell.badge.isEmpty()) {
        item->setBackground(cell.dayOff ? kDayOff : kWorkday);
      }
      daysGrid->setItem(row, column, item);
    }
  }
}

void MonthView::showDescription() {
  const DayCellContent cell = content_ ? content_(selected_) : DayCellContent{};
  QString text = selected_.toString("yyyy-MM-dd");
  if (const QString description = describe_ ? describe_(selected_) : QString(); !description.isEmpty()) {
    text += "  " + QString(description).replace("\n", "  ");
  }
  if (!cell.badge.isEmpty()) text += "  " + cell.badge;
  if (cell.anniversaryCount > 0) {
    // As many names as the lines the description takes anyway have room
    // for, the two kept for it at least: the anniversaries never take a
    // row from the grid. One is always named, and the rest counted.
    const int room = std::max(heightOf(text), heightOf("1\n2"));
    QString withNames;
    const int most = std::min(kAnniversariesUnderGrid, static_cast<int>(cell.anniversaries.size()));
    for (int named = std::max(most, 1); named >= 1; --named) {
      QString names = cell.anniversaries.mid(0, named).join(tr("、"));
      if (const QString more = notNamed(cell, named); !more.isEmpty()) names += " " + more;
      withNames = text + tr("  纪念日：%1").arg(names);
      if (heightOf(withNames) <= room) break;
    }
    text = withNames;
  }
  descriptionLabel->setText(text);
  descriptionLabel->setToolTip(listed(cell).join("\n"));
}

QStringList MonthView::listed(const DayCellContent& cell) const {
  QStringList lines = cell.anniversaries.mid(0, kAnniversariesListed);
  if (const QString more = notNamed(cell, kAnniversariesListed); !more.isEmpty()) lines << more;
  return lines;
}

int MonthView::heightOf(const QString& text) {
  // The label itself measures: it wraps as it will show the text.
  descriptionLabel->setText(text);
  return descriptionLabel->heightForWidth(descriptionLabel->width());
}

QString MonthView::notNamed(const DayCellContent& cell, int shown) const {
  const int more = cell.anniversaryCount - std::min(shown, static_cast<int>(cell.anniversaries.size()));
  return more > 0 ? tr("及其他 %n 个", nullptr, more) : QString();
}

QString MonthView::titleShown(QDate date) const {
  const int offset = static_cast<int>(firstShown_.daysTo(date));
  if (offset < 0 || offset >= kRows * kColumns) return {};
  const QTableWidgetItem* item = daysGrid->item(offset / kColumns, offset % kColumns);
  return item ? item->data(Qt::UserRole).toString() : QString();
}

bool MonthView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == descriptionLabel && event->type() == QEvent::Resize) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->size().width() != resize->oldSize().width()) showDescription();
    return false;
  }
  if (watched != daysGrid || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool control = key->modifiers() & Qt::ControlModifier;
  switch (key->key()) {
    case Qt::Key_Left: selectDate(selected_.addDays(-1)); return true;
    case Qt::Key_Right: selectDate(selected_.addDays(1)); return true;
    case Qt::Key_Up: selectDate(selected_.addDays(-7)); return true;
    case Qt::Key_Down: selectDate(selected_.addDays(7)); return true;
    case Qt::Key_PageUp: selectDate(control ? selected_.addYears(-1) : selected_.addMonths(-1)); return true;
    case Qt::Key_PageDown: selectDate(control ? selected_.addYears(1) : selected_.addMonths(1)); return true;
    case Qt::Key_Home: selectDate(today_()); return true;
    default: return QWidget::eventFilter(watched, event);
  }
}

}  // namespace tessarine
