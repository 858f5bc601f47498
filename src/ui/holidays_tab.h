// The 节假日 tab: the years whose official days off and make-up workdays
// (休/班) are known, built in or added by the user, and the days of the
// selected year. 粘贴通知… reads a new year from the State Council's notice
// and keeps it in holidays.csv beside the anniversary list; a year added so
// can be removed again, with undo. With this tab showing, 生成 iCal writes
// the holiday calendar of the years selected in its list.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "calendar/result.h"
#include "lists/csv_document.h"
#include "lists/holiday_list.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QUndoStack;

namespace tessarine {

class NoticeDialog;

class HolidaysTab : public QWidget {
  Q_OBJECT

 public:
  // `ask` puts a yes-or-no question to the user: the window's message box.
  using Ask = std::function<bool(const QString& question)>;
  HolidaysTab(QString listFile, Ask ask, QWidget* parent = nullptr);

  // Every known schedule, in year order; a year of the user's list replaces
  // the built-in one.
  std::vector<HolidaySchedule> knownSchedules() const { return known_; }
  // The region's known schedules: its built-in years (published, or from
  // its rules) with the user's rows of that region; the mainland's are
  // knownSchedules().
  std::vector<HolidaySchedule> knownSchedules(Region region) const;
  // Why the user's list cannot be used, or empty.
  QString listProblem() const { return problem_; }
  // The schedules of the years selected in the list, in year order.
  std::vector<HolidaySchedule> selectedSchedules() const;

 private:
  void load();
  void showYear(int row);
  void onRemoveYearClicked();
  // Changes the user's list under its lock; false, with the reason shown, when it cannot.
  bool change(const std::function<void(CsvDocument&)>& edit, int year);
  QString knownSummary() const;
  void onPasteNoticeClicked();
  void store(const HolidaySchedule& schedule);
  // The user's list as it is on disk now, or why it cannot be used.
  Result<HolidayList, QString> readList() const;
  std::vector<HolidayDay> replacedRows(const HolidaySchedule& schedule) const;
  bool confirmReplacing(const std::vector<HolidayDay>& rows);

  QString listFile_;
  Ask ask_;
  HolidayList user_;  // the list as last read, its bad rows left out
  std::vector<HolidaySchedule> known_;
  std::vector<int> userYears_;
  QString problem_;

  QListWidget* yearsList = nullptr;
  QTableWidget* daysTable = nullptr;
  QPushButton* pasteNoticeButton = nullptr;
  QPushButton* removeYearButton = nullptr;
  QUndoStack* undo_ = nullptr;
  QLabel* statusLabel = nullptr;
  NoticeDialog* noticeDialog = nullptr;
};

}  // namespace tessarine
