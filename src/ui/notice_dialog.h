// 粘贴通知: a box for the text of a holiday notice as pasted from a web
// page. It shows at once the days it read, or why it could not read them,
// and lets the user keep the year only when the text reads cleanly.
#pragma once

#include <QDialog>
#include <optional>

#include "calendar/official_holidays.h"
#include "lists/holiday_notice.h"

class QDialogButtonBox;
class QPlainTextEdit;

namespace tessarine {

class NoticeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NoticeDialog(QWidget* parent = nullptr);

  // The schedule the text reads as, when it does.
  std::optional<HolidaySchedule> schedule() const { return schedule_; }

 private:
  void onTextChanged();

  std::optional<HolidaySchedule> schedule_;
  QPlainTextEdit* noticeEdit = nullptr;
  QPlainTextEdit* resultView = nullptr;
  QDialogButtonBox* buttons = nullptr;
};

// Why a notice could not be read, in Chinese.
QString NoticeProblemText(NoticeProblem problem);

}  // namespace tessarine
