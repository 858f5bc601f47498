// 粘贴通知: a box for the text of a holiday notice as pasted from a web
// page. It shows the days it read, or why it could not read them, and
// lets the user keep the year only when the text reads cleanly. A notice
// that changes a year already known shows that year with the change. A
// notice whose days do not add up may be cut short: the box shows each
// block that fails, and keeps the year only once the user confirms, having
// checked the text against the original.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "holidays/china/built_in_schedule.h"
#include "holidays/china/holiday_notice.h"

class QCheckBox;
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

  // The year's days as the text reads, when it does and they add up or the
  // user has confirmed them.
  std::optional<HolidaySchedule> schedule() const { return saveable() ? schedule_ : std::nullopt; }

 private:
  void onTextChanged();
  void read();
  bool saveable() const;
  QString describe(const HolidayNotice& notice) const;

  KnownYear knownYear_;
  std::optional<HolidaySchedule> schedule_;
  bool unbalanced_ = false;  // the days read do not add up
  QPlainTextEdit* noticeEdit = nullptr;
  QSpinBox* noticeYearBox = nullptr;
  QPlainTextEdit* resultView = nullptr;
  QCheckBox* acceptUnbalancedCheck = nullptr;
  QDialogButtonBox* buttons = nullptr;
  QTimer* readTimer = nullptr;
};

// Why a notice could not be read, in Chinese.
QString NoticeProblemText(NoticeProblem problem);

}  // namespace tessarine
