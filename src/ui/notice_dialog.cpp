#include "ui/notice_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calendar/iso_date.h"
#include "lists/holiday_list.h"
#include "ui/named.h"
#include "ui/qt_text.h"

namespace tessarine {

QString NoticeProblemText(NoticeProblem problem) {
  switch (problem) {
    case NoticeProblem::NoYear: return "找不到通知的年份（如“关于2027年部分节假日安排的通知”）";
    case NoticeProblem::NoItems: return "找不到“一、元旦：……”这样的条目";
    case NoticeProblem::NoDays: return "这一条没有日期";
    case NoticeProblem::NoSuchDate: return "没有这一天";
    case NoticeProblem::OutsideTheYear: return "放假日期不在通知的年份内";
    case NoticeProblem::CountMismatch: return "“共N天”与所列日期不符";
    case NoticeProblem::BothKinds: return "同一天既放假又上班";
  }
  return {};
}

NoticeDialog::NoticeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("noticeDialog");
  setWindowTitle("粘贴通知");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里："));
  noticeEdit = Named<QPlainTextEdit>("noticeEdit");
  layout->addWidget(noticeEdit, 2);
  layout->addWidget(new QLabel("读到的日期："));
  resultView = Named<QPlainTextEdit>("noticeResultView");
  resultView->setReadOnly(true);
  layout->addWidget(resultView, 3);
  buttons = Named<QDialogButtonBox>("noticeButtons", QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Save)->setText("保存这一年");
  buttons->button(QDialogButtonBox::Save)->setEnabled(false);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(noticeEdit, &QPlainTextEdit::textChanged, this, &NoticeDialog::onTextChanged);
  resize(520, 460);
}

void NoticeDialog::onTextChanged() {
  const auto parsed = ParseHolidayNotice(noticeEdit->toPlainText().toStdString());
  schedule_.reset();
  if (const auto* error = std::get_if<NoticeError>(&parsed)) {
    QString text = "无法读取：" + NoticeProblemText(error->problem);
    if (!error->sentence.empty()) text += "\n" + ToQString(error->sentence);
    resultView->setPlainText(text);
  } else {
    schedule_ = std::get<HolidaySchedule>(parsed);
    QString text = QString("%1 年，%2 天放假：\n").arg(schedule_->year).arg(DaysOffIn(*schedule_));
    for (const HolidayDay& day : schedule_->days) {
      text += ToQString(IsoDate(day.date) + "  " + std::string(KindMark(day.kind)) + "  " + day.name) + "\n";
    }
    resultView->setPlainText(text);
  }
  buttons->button(QDialogButtonBox::Save)->setEnabled(schedule_.has_value());
}

}  // namespace tessarine
