// The 纪念日 tab: the list of lunar birthdays and anniversaries, edited in a
// table and saved, after every change, as the CSV file tessarine-cli reads.
// A cell that does not parse turns red and says why in its tool tip; such
// rows are left out of generation.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "lists/anniversary_entry.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tessarine {

class AnniversariesTab : public QWidget {
  Q_OBJECT

 public:
  // Loads the list from `listFile`, where every change is saved.
  explicit AnniversariesTab(QString listFile, QWidget* parent = nullptr);

  // The rows that parse, in table order.
  std::vector<Anniversary> validEntries() const;
  // The numbers (from 1) of the rows that have text but do not parse.
  std::vector<int> invalidRows() const;
  // Days before each anniversary for a reminder, when one is wanted.
  std::optional<int> remindDaysBefore() const;

 private:
  void load();
  void save() const;
  void check();
  void onAddClicked();
  void onRemoveClicked();
  std::vector<std::string> fieldsOf(int row) const;
  // The row read as an entry; nothing for a row left blank.
  std::optional<EntryResult> parsedRow(int row) const;

  QString listFile_;
  bool loading_ = false;
  QTableWidget* entriesTable = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* removeButton = nullptr;
  QCheckBox* remindCheck = nullptr;
  QSpinBox* remindDaysSpin = nullptr;
  QLabel* hintLabel = nullptr;
};

}  // namespace tessarine
