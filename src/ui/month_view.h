// The month view: a month of days as the files will show them. Each day
// shows its Gregorian number, the title the current options would write, a
// 休 or 班 badge and a mark for the user's anniversaries; today is
// highlighted and weekends are coloured. The view is navigated by month and
// year, with the keyboard (arrows, PgUp/PgDn, Ctrl+PgUp/PgDn for a year,
// Home for today) and a 今天 button; the selected day's full description
// stands under the grid. A day with many anniversaries names the first few
// and counts the rest, under the grid and in the tool tips, so that a long
// list never crowds the grid.
//
// The view knows nothing of calendars: it is handed a function that gives
// each day's content and one that describes a day (MonthContent), anew
// whenever an option changes.
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;
class QToolButton;

namespace tessarine {

// The anniversaries a day's content names at most; the rest are counted.
inline constexpr int kAnniversariesListed = 8;

struct DayCellContent {
  QString title;              // what the file's event is titled, or empty
  QString badge;              // 休, 班 or empty
  bool dayOff = false;        // the badge is a day off
  QStringList anniversaries;  // the first of the user's anniversaries on the day, at most kAnniversariesListed
  int anniversaryCount = 0;   // all of them
};

class MonthView : public QWidget {
  Q_OBJECT

 public:
  using ContentFunction = std::function<DayCellContent(QDate)>;
  // A day's full description, asked for the selected day only.
  using DescriptionFunction = std::function<QString(QDate)>;

  MonthView(std::function<QDate()> today, QWidget* parent = nullptr);

  // Sets what each day shows, and shows it.
  void setContent(ContentFunction content, DescriptionFunction describe);
  void refresh();
  void showMonth(int year, int month);
  void selectDate(QDate date);
  QDate selectedDate() const { return selected_; }
  // The title a day shows, when its month is showing; for the tests, as a
  // user reads the cell.
  QString titleShown(QDate date) const;

 signals:
  void selectedDateChanged(QDate date);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildHeader();
  void fillGrid();
  void showDescription();
  // How many of the day's anniversaries are left when the first `shown`
  // are named (及其他 24 个), or empty.
  QString notNamed(const DayCellContent& cell, int shown) const;
  // The day's anniversaries for a tool tip: the names given, then the count.
  QStringList listed(const DayCellContent& cell) const;
  // The height `text` takes, wrapped to the description's width.
  int heightOf(const QString& text);
  QDate dateAt(int row, int column) const;

  std::function<QDate()> today_;
  ContentFunction content_;
  DescriptionFunction describe_;
  QDate selected_;
  QDate firstShown_;  // the Monday on or before the month's first day
  QToolButton* previousYearButton = nullptr;
  QToolButton* previousMonthButton = nullptr;
  QLabel* monthLabel = nullptr;
  QToolButton* nextMonthButton = nullptr;
  QToolButton* nextYearButton = nullptr;
  QToolButton* todayButton = nullptr;
  QTableWidget* daysGrid = nullptr;
  QLabel* descriptionLabel = nullptr;
};

}  // namespace tessarine
