// The 纪念日 tab: the list of lunar birthdays and anniversaries, edited in a
// table and saved, after every change, to the CSV file tessarine-cli reads.
// A cell that does not parse turns red and says why in its tool tip; such
// rows are left out of generation. A row that repeats another's name and
// date is marked as a repeat. Ctrl+Z undoes the last change, and 删除
// removes every selected row.
//
// The file is the user's own document: what the table does not show
// (comments, blank lines, extra columns) is kept, and only the edited row
// changes. A file that cannot be read as a list is never saved over; one
// changed by another program is read again, never overwritten; a save that
// fails says why and leaves its rows marked as unsaved.
#pragma once

#include <QDate>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calendar/lunar_names.h"
#include "calendar/vocabulary.h"
#include "export/anniversary_calendar.h"
#include "lists/anniversary_list.h"
#include "ui/anniversary_rows.h"

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QUndoStack;

namespace tessarine {

class AnniversariesTab : public QWidget {
  Q_OBJECT

 public:
  // Loads the list from `listFile`, where every change is saved; `today`
  // dates the next occurrence each row shows.
  AnniversariesTab(QString listFile, std::function<QDate()> today, QWidget* parent = nullptr);
  // The table stops reading the list before the list goes.
  ~AnniversariesTab() override;

  // The rows that parse, in table order.
  std::vector<Anniversary> validEntries() const { return *rows_->entries(); }
  // The same, shared: the same object until the rows change.
  std::shared_ptr<const std::vector<Anniversary>> entries() const { return rows_->entries(); }
  // The numbers (from 1) of the rows that have text but do not parse.
  std::vector<int> invalidRows() const { return rows_->invalidRows(); }
  // Days before each anniversary for a reminder, when one is wanted.
  std::optional<int> remindDaysBefore() const;
  ReminderStyle reminderStyle() const;
  // Why the list file cannot be used, or empty.
  QString listProblem() const { return problem_; }
  // The calendar, the language and the month names chosen for the files:
  // the next days are named in them, an entry's own calendar named when it
  // is not that calendar.
  void setWording(LunarCalendar calendar, Language language, MonthNaming naming);

 signals:
  // The rows were checked again: after an edit or a load.
  void entriesChanged();
  // The user asked to see the folder that holds the list.
  void openFolderRequested(const QString& folder);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildTable();
  // Gives 名称 the width the other columns leave.
  void fitNames();
  void buildControls();
  void buildProblemBar();

  // The file (anniversaries_tab_file.cpp).
  void load();
  void keepBoth(const std::string& ours);
  void display(LoadedList list);
  void fillTable();
  // Puts the list back to `document`, for undo, and saves it: its records
  // from `start` on, `added` of them, took the place of `removed` others.
  void restore(const CsvDocument& document, std::size_t start, std::size_t removed, std::size_t added);
  // Makes a change of the list (`edit`), remembered for Ctrl+Z.
  void change(const std::function<void()>& edit);
  void refuse(const QString& why);
  void save();
  void onFileChanged();
  void onNewListClicked();
  std::optional<std::string> diskBytes(QString* error = nullptr) const;

  // The table.
  void check();
  void markUnsaved();
  void onCellEdited(int row, int column, const QString& text);
  void onAddClicked();
  void onRemoveClicked();
  LunarCalendar filesCalendar_ = LunarCalendar::China;
  Language language_ = Language::ZhHans;
  MonthNaming naming_ = MonthNaming::WinterAndLast;
  // "三月初八 2027-04-14 周三": the date resolved and its next day, for a
  // row that parses; in the files' language, with the entry's calendar named
  // when it is not the one chosen ("음력 섣달 23일 …").
  QString nextText(const Anniversary& entry) const;

  QString listFile_;
  std::function<QDate()> today_;
  // The day the next days count from, taken when the rows are checked: a
  // row shown later, or while the window closes, asks nothing of the window.
  QDate nextFrom_;
  std::optional<LoadedList> list_;        // nothing while the file cannot be read as a list
  std::optional<std::string> savedBytes_;  // the file as last read or written; nothing when absent
  std::set<int> unsavedRows_;
  QString problem_;

  AnniversaryRows* rows_ = nullptr;  // the table's rows, over list_'s document
  QTableView* entriesTable = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* removeButton = nullptr;
  QCheckBox* remindCheck = nullptr;
  QSpinBox* remindDaysSpin = nullptr;
  QCheckBox* reminderEventsCheck = nullptr;
  QLabel* hintLabel = nullptr;
  QLabel* problemLabel = nullptr;
  QPushButton* openListFolderButton = nullptr;
  QPushButton* newListButton = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  QUndoStack* undo_ = nullptr;
};

}  // namespace tessarine
