// 粘贴通知: a box for the text of a holiday notice as pasted from a web
// page. It shows the days it read, or why it could not read them, and
// lets the user keep the year only when the text reads cleanly. A notice
// that changes a year already known shows that year with the change. Days
// that do not add up are pointed out before saving, since the text may be
// cut short.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "calendar/official_holidays.h"
#include "lists/holiday_notice.h"

class QDialogButtonBox;
class QPlainTextEdit;
class QSpinBox;
class QTimer;

namespace tessarine {

class NoticeDialog : public QDialog {
  Q_OBJECT

 public:
  // `knownYear` gives a year's days as known now, for a notice that
  // changes them.
  using KnownYear = std::function<std::optional<HolidaySchedule>(int year)>;
  explicit NoticeDialog(KnownYear knownYear, QWidget* parent = nullptr);

  // The year's days as the text reads, when it does.
  std::optional<HolidaySchedule> schedule() const { return schedule_; }

 private:
  void onTextChanged();
  void read();

  KnownYear knownYear_;
  std::optional<HolidaySchedule> schedule_;
  QPlainTextEdit* noticeEdit = nullptr;
  QSpinBox* noticeYearBox = nullptr;
  QPlainTextEdit* resultView = nullptr;
  QDialogButtonBox* buttons = nullptr;
  QTimer* readTimer = nullptr;
};

// Why a notice could not be read, in Chinese.
QString NoticeProblemText(NoticeProblem problem);

}  // namespace tessarine
