// The 节假日 tab: the years whose official days off and make-up workdays
// are known for the region chosen in 控制 → 地区, built in (published, or
// from the region's rules: 推算) or added by the user, and the days of the
// selected year. The mainland's new year comes from the State Council's
// notice (粘贴通知…), Taiwan's from the DGPA's 辦公日曆表 and Hong Kong's from
// the government's feed (导入…); each is kept in holidays.csv beside the
// anniversary list, and a year added so can be removed again, with undo.
// With this tab showing, 生成 iCal writes the region's holiday calendar of
// the years selected in its list.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "calendar/result.h"
#include "calendar/vocabulary.h"
#include "lists/csv_document.h"
#include "lists/holiday_list.h"
#include "lists/list_file.h"

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

  // Shows the region's years, its marks in the files' language.
  void setRegion(Region region, Language language);
  Region region() const { return region_; }
  // Every known schedule of the tab's region, in year order: the built-in
  // years with the user's rows of that region.
  std::vector<HolidaySchedule> knownSchedules() const { return known_; }
  // The region's known schedules: its built-in years (published, or from
  // its rules) with the user's rows of that region; the mainland's are
  // knownSchedules().
  std::vector<HolidaySchedule> knownSchedules(Region region) const;
  // Why the user's list cannot be used, or empty.
  QString listProblem() const { return problem_; }
  // The schedules of the years selected in the list, in year order.
  std::vector<HolidaySchedule> selectedSchedules() const;
  // Reads a Taiwanese 辦公日曆表 or a Hong Kong holiday feed, by the tab's
  // region, and stores its years; false, with the reason shown, when the
  // file is refused or cannot be stored. What 导入… does with the file chosen.
  bool importFile(const QString& path);

 private:
  void load();
  void showYear(int row);
  void onRemoveYearClicked();
  // Changes the user's list under its lock; false, with the reason shown, when it cannot.
  bool change(const std::function<void(CsvDocument&)>& edit, int year);
  QString knownSummary() const;
  void onPasteNoticeClicked();
  void onImportClicked();
  void store(const HolidaySchedule& schedule);
  // Shows the outcome of storing a change: true when it was stored.
  bool reportStored(const Result<ListUpdate, ListUpdateError>& update, std::optional<int> badLine, int year);
  void showRegionControls();
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
  Region region_ = Region::China;
  Language language_ = Language::ZhHans;

  QListWidget* yearsList = nullptr;
  QTableWidget* daysTable = nullptr;
  QPushButton* pasteNoticeButton = nullptr;
  QPushButton* importFileButton = nullptr;
  QPushButton* removeYearButton = nullptr;
  QUndoStack* undo_ = nullptr;
  QLabel* statusLabel = nullptr;
  NoticeDialog* noticeDialog = nullptr;
};

}  // namespace tessarine
