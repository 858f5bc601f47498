// The month view: a month of days as the files will show them. Each day
// shows its Gregorian number, the title the current options would write, a
// 休 or 班 badge and a mark for the user's anniversaries; today is
// highlighted and weekends are coloured. The view is navigated by month and
// year, with the keyboard (arrows, PgUp/PgDn, Ctrl+PgUp/PgDn for a year,
// Home for today) and a 今天 button; the selected day's full description
// stands under the grid.
//
// The view knows nothing of calendars: the window hands it a function that
// gives each day's content, and calls refresh() whenever an option changes.
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;
class QToolButton;

namespace tessarine {

struct DayCellContent {
  QString title;              // what the file's event is titled, or empty
  QString badge;              // 休, 班 or empty
  bool dayOff = false;        // the badge is a day off
  QStringList anniversaries;  // the user's anniversaries on the day
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
