#include "ui/year_selector.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "calendar/year_range.h"
#include "ui/named.h"

namespace tessarine {
namespace {

constexpr int kPopupRows = 10;

bool IsListStep(const QEvent* event) {
  if (event->type() == QEvent::Wheel) return true;
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
         key == Qt::Key_Home || key == Qt::Key_End;
}

// Digits and Backspace pass; any other printable character is discarded;
// keys without one (arrows, Delete, shortcuts) keep their meaning.
bool IsRefusedCharacter(const QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty() || event->key() == Qt::Key_Backspace) return false;
  const QChar c = text.front();
  if (c.isDigit() && c.unicode() < 128) return false;
  return c.isPrint();
}

}  // namespace

YearSelector::YearSelector(QWidget* parent) : QGroupBox(tr(" 选择年份 "), parent) {
  setObjectName("yearSelector");
  auto* years = new QVBoxLayout(this);
  years->setContentsMargins(6, 4, 6, 6);
  years->setSpacing(4);
  startYearBox = Named<QComboBox>("startYearBox");
  startYearBox->setEditable(true);
  startYearBox->setInsertPolicy(QComboBox::NoInsert);  // a typed year never joins the list
  startYearBox->lineEdit()->setMaxLength(4);
  // The validator also refuses a paste of anything but digits.
  startYearBox->lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), startYearBox));
  endYearCheck = Named<QCheckBox>("endYearCheck", tr("结束年份"));
  endYearBox = Named<QComboBox>("endYearBox");
  for (QComboBox* box : {startYearBox, endYearBox}) {
    box->setMaxVisibleItems(kPopupRows);
  }
  years->addWidget(startYearBox);
  years->addWidget(endYearCheck);
  years->addWidget(endYearBox);
  endYearBox->setEnabled(false);

  startYearBox->installEventFilter(this);
  startYearBox->lineEdit()->installEventFilter(this);
  startYearBox->view()->installEventFilter(this);
  connect(startYearBox->lineEdit(), &QLineEdit::textEdited, this, [this] { yearTyped_ = true; });
  connect(startYearBox, &QComboBox::activated, this, &YearSelector::onStartYearChosen);
  connect(endYearBox, &QComboBox::activated, this, &YearSelector::onEndYearChosen);
  connect(endYearCheck, &QCheckBox::clicked, this, &YearSelector::onRangeClicked);
}

void YearSelector::fillYears(int firstYear) {
  for (int year = firstYear; year <= static_cast<int>(YearRange::Last); ++year) {
    startYearBox->addItem(QString::number(year));
    endYearBox->addItem(QString::number(year));
  }
  startYearBox->setCurrentIndex(startYearBox->count() > 0 ? 0 : -1);
  if (startYearBox->count() == 0) startYearBox->setEditText("");
  endYearBox->setCurrentIndex(startYearBox->currentIndex());
}

QString YearSelector::startText() const { return startYearBox->currentText(); }
QString YearSelector::endText() const { return endYearBox->currentText(); }
bool YearSelector::rangeSelected() const { return endYearCheck->isChecked(); }
void YearSelector::focusStart() { startYearBox->setFocus(); }
void YearSelector::focusEnd() { endYearBox->setFocus(); }

bool YearSelector::eventFilter(QObject* watched, QEvent* event) {
  const bool onStartBox = watched == startYearBox || watched == startYearBox->lineEdit();
  if (onStartBox && IsListStep(event)) syncStartToTypedYear();
  if (watched == startYearBox->lineEdit() && event->type() == QEvent::KeyPress) {
    return IsRefusedCharacter(static_cast<QKeyEvent*>(event));
  }
  if (watched == startYearBox->view() && event->type() == QEvent::Show) yearTyped_ = false;
  return QGroupBox::eventFilter(watched, event);
}

void YearSelector::syncStartToTypedYear() {
  if (yearTyped_) {
    const int typed = startYearBox->findText(startYearBox->currentText());
    if (typed >= 0) startYearBox->setCurrentIndex(typed);
  }
  yearTyped_ = false;  // stepping through the list chooses a year
}

void YearSelector::onStartYearChosen() {
  if (yearTyped_) return;
  if (endYearBox->currentIndex() < startYearBox->currentIndex()) {
    endYearBox->setCurrentIndex(startYearBox->currentIndex());
  }
}

void YearSelector::onEndYearChosen() {
  if (endYearBox->currentIndex() < startYearBox->currentIndex()) {
    startYearBox->setCurrentIndex(endYearBox->currentIndex());
  }
}

void YearSelector::onRangeClicked() { endYearBox->setEnabled(endYearCheck->isChecked()); }

}  // namespace tessarine
