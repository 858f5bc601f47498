#include "ui/notice_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "calendar/iso_date.h"
#include "calendar/year_range.h"
#include "lists/holiday_list.h"
#include "ui/named.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

// A text this long is read once typing pauses, not at every key.
constexpr int kReadAtOnceChars = 100000;
constexpr int kPauseMs = 300;

QString Warnings(const std::vector<BlockBalance>& unbalanced) {
  if (unbalanced.empty()) return {};
  QString text = NoticeDialog::tr("这份通知的天数对不上，可能没有粘贴完整：\n");
  for (const BlockBalance& block : unbalanced) {
    text += NoticeDialog::tr("注意：%1 有 %2 个工作日放假，而 %3 天法定假日加 %4 天调休上班应为 %5 个；请确认通知全文都已粘贴。\n")
                .arg(ToQString(block.name))
                .arg(block.weekdaysOff)
                .arg(block.statutory)
                .arg(block.workdays)
                .arg(block.statutory + block.workdays);
  }
  return text + NoticeDialog::tr("请与原文核对；确认无误后，勾选下面的“已与原文核对”才能保存。\n\n");
}

}  // namespace

QString NoticeProblemText(NoticeProblem problem) {
  switch (problem) {
    case NoticeProblem::NoYear: return NoticeDialog::tr("找不到通知的年份（如“关于2027年部分节假日安排的通知”），可在上面选择年份");
    case NoticeProblem::NoItems: return NoticeDialog::tr("找不到“一、元旦：……”这样的条目");
    case NoticeProblem::NoDays: return NoticeDialog::tr("这一条没有日期");
    case NoticeProblem::NoSuchDate: return NoticeDialog::tr("没有这一天");
    case NoticeProblem::OutsideTheYear: return NoticeDialog::tr("放假日期不在通知的年份内");
    case NoticeProblem::CountMismatch: return NoticeDialog::tr("“共N天”与所列日期不符");
    case NoticeProblem::BothKinds: return NoticeDialog::tr("同一天既放假又上班");
    case NoticeProblem::UnclosedBracket: return NoticeDialog::tr("括号没有闭合");
    case NoticeProblem::YearOutside:
      return NoticeDialog::tr("年份不在 %1 至 %2 年之间").arg(static_cast<int>(YearRange::First)).arg(static_cast<int>(YearRange::Last));
    case NoticeProblem::WrongWeekday: return NoticeDialog::tr("括号里的星期与日期不符");
    case NoticeProblem::TwoNotices: return NoticeDialog::tr("粘贴了两份通知，年份分别是");
    case NoticeProblem::YearDisagrees: return NoticeDialog::tr("通知的年份与所选年份不同");
    case NoticeProblem::MissingItem: return NoticeDialog::tr("通知开头列出的这个节日没有对应的条目，通知可能不完整");
    case NoticeProblem::UnreadItem: return NoticeDialog::tr("这一条无法读取，通知可能不完整");
    case NoticeProblem::TooFewHolidays: return NoticeDialog::tr("通知可能不完整，缺少这些节日");
    case NoticeProblem::NothingToChange: return NoticeDialog::tr("通知修改的年份还没有放假安排");
    case NoticeProblem::UnreadClause: return NoticeDialog::tr("这一句说到放假或上班，但其中的日期无法读取");
    case NoticeProblem::CutShort: return NoticeDialog::tr("通知在这一句中间断开，可能没有粘贴完整");
    case NoticeProblem::Unbalanced: return NoticeDialog::tr("这些节日的天数对不上，通知可能不完整");
  }
  return {};
}

NoticeDialog::NoticeDialog(KnownYear knownYear, QWidget* parent) : QDialog(parent), knownYear_(std::move(knownYear)) {
  setObjectName("noticeDialog");
  setWindowTitle(tr("粘贴通知"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里：")));
  noticeEdit = Named<QPlainTextEdit>("noticeEdit");
  layout->addWidget(noticeEdit, 2);
  auto* yearRow = new QHBoxLayout;
  yearRow->addWidget(new QLabel(tr("年份：")));
  noticeYearBox = Named<QSpinBox>("noticeYearBox");
  noticeYearBox->setRange(static_cast<int>(YearRange::First) - 1, static_cast<int>(YearRange::Last));
  noticeYearBox->setSpecialValueText(tr("按通知标题"));  // the lowest value: the title names the year
  noticeYearBox->setValue(noticeYearBox->minimum());
  noticeYearBox->setToolTip(tr("只粘贴了条目、没有标题时，在这里选择年份"));
  yearRow->addWidget(noticeYearBox);
  yearRow->addStretch();
  layout->addLayout(yearRow);
  layout->addWidget(new QLabel(tr("读到的日期：")));
  resultView = Named<QPlainTextEdit>("noticeResultView");
  resultView->setReadOnly(true);
  layout->addWidget(resultView, 3);
  acceptUnbalancedCheck = Named<QCheckBox>("noticeAcceptUnbalancedCheck", tr("已与原文核对，天数对不上也保存"));
  acceptUnbalancedCheck->setVisible(false);
  layout->addWidget(acceptUnbalancedCheck);
  buttons = Named<QDialogButtonBox>("noticeButtons", QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Save)->setText(tr("保存这一年"));
  buttons->button(QDialogButtonBox::Save)->setEnabled(false);
  layout->addWidget(buttons);
  readTimer = new QTimer(this);
  readTimer->setSingleShot(true);
  readTimer->setInterval(kPauseMs);
  connect(readTimer, &QTimer::timeout, this, &NoticeDialog::read);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(noticeEdit, &QPlainTextEdit::textChanged, this, &NoticeDialog::onTextChanged);
  connect(noticeYearBox, &QSpinBox::valueChanged, this, &NoticeDialog::read);
  connect(acceptUnbalancedCheck, &QCheckBox::toggled, this,
          [this] { buttons->button(QDialogButtonBox::Save)->setEnabled(saveable()); });
  resize(520, 480);
}

void NoticeDialog::onTextChanged() {
  // Nothing may be saved from a text not yet read, nor confirmed unread.
  schedule_.reset();
  acceptUnbalancedCheck->setChecked(false);
  buttons->button(QDialogButtonBox::Save)->setEnabled(false);
  if (noticeEdit->document()->characterCount() < kReadAtOnceChars) return read();
  resultView->setPlainText(tr("正在读取……"));
  readTimer->start();
}

bool NoticeDialog::saveable() const {
  return schedule_.has_value() && (!unbalanced_ || acceptUnbalancedCheck->isChecked());
}

void NoticeDialog::read() {
  readTimer->stop();
  const std::optional<int> year =
      noticeYearBox->value() == noticeYearBox->minimum() ? std::nullopt : std::optional(noticeYearBox->value());
  // Read even when the days do not add up, to show them for the user to check.
  const auto parsed = ParseHolidayNotice(noticeEdit->toPlainText().toStdString(), year, IfUnbalanced::Read);
  schedule_.reset();
  std::optional<NoticeError> error;
  if (!parsed) error = parsed.error();
  if (parsed) {
    auto merged = ApplyNotice(*parsed, knownYear_(parsed->schedule.year));
    if (merged) {
      schedule_ = std::move(*merged);
    } else {
      error = std::move(merged).error();
    }
  }
  unbalanced_ = !error && !parsed->unbalanced.empty();
  acceptUnbalancedCheck->setVisible(unbalanced_);
  if (error) {
    QString text = tr("无法读取：%1").arg(NoticeProblemText(error->problem));
    if (!error->sentence.empty()) text += "\n" + ToQString(error->sentence);
    resultView->setPlainText(text);
  } else {
    resultView->setPlainText(describe(*parsed));
  }
  buttons->button(QDialogButtonBox::Save)->setEnabled(saveable());
}

// What the notice gives the year: the blocks that do not add up first, then
// every day.
QString NoticeDialog::describe(const HolidayNotice& notice) const {
  QString text = Warnings(notice.unbalanced);
  if (notice.changedHoliday) text += tr("这份通知修改 %1 年的%2，修改后：\n").arg(schedule_->year).arg(ToQString(*notice.changedHoliday));
  text += tr("%1 年，%2 天放假：\n").arg(schedule_->year).arg(DaysOffIn(*schedule_));
  for (const HolidayDay& day : schedule_->days) {
    text += ToQString(IsoDate(day.date) + "  " + std::string(KindMark(day.kind)) + "  " + day.name) + "\n";
  }
  return text;
}

}  // namespace tessarine
