// The 纪念日 tab's rows as a table model over the list document: the four
// fields each entry row holds, and the computed 农历 · 下次. A row is parsed
// when the list is shown and again only when it changes (an edit, an undo
// or a redo): what a row means never depends on the window's options. Its
// next day is worked out when the table first paints it. The table asks only for the rows in
// sight, so a list of ten thousand entries costs little more to show than
// one of ten.
//
// The model reads the document and never changes it: the tab edits the
// document, then tells the model what changed and has it checked again. An
// edit typed into a cell is handed to the tab (cellEdited).
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "lists/anniversary_entry.h"
#include "lists/csv_document.h"

namespace tessarine {

// The list's columns the table edits: 名称, 日期, 起始年 and 历法.
inline constexpr int kEntryColumns = 4;

// What the rows say, in the window's language.
struct RowWording {
  QStringList columns;     // the headers, the computed column's last
  QStringList columnTips;  // a tool tip for each header, or empty
  std::function<QString(EntryProblem)> problem;
  std::function<QString(int earlierRow)> repeats;   // the row (from 1) it repeats
  std::function<QString(const Anniversary&)> next;  // the computed column of a row that parses
  QString unsaved;  // the tool tip of a row marked with *
};

class AnniversaryRows : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit AnniversaryRows(RowWording wording, QObject* parent = nullptr);

  // Shows the entry records `records` of `document`, which stays in place
  // while shown; no document shows nothing. Every row is parsed.
  void show(const CsvDocument* document, std::vector<std::size_t> records);
  // Row `row`'s record has new fields: it alone is parsed again.
  void rowChanged(int row);
  // A record appended to the document, shown as a new last row.
  void recordAppended(std::size_t record);
  // Row `row`'s record was erased from the document.
  void recordErased(int row);
  // The document's records from `start` on, `removed` of them, were put back
  // as `added` others (an undo or a redo); `records` are its entry records
  // now. Only the rows of those records are parsed again.
  void recordsReplaced(std::vector<std::size_t> records, std::size_t start, std::size_t removed, std::size_t added);
  // Marks repeated rows and gathers the entries, after the changes above;
  // the next days are worked out afresh as they are shown (the date moves on).
  void check();
  // The rows marked with * as not yet saved.
  void setUnsaved(std::set<int> rows);

  std::size_t recordOf(int row) const { return records_[static_cast<std::size_t>(row)]; }
  // The row's fields as the list would hold them with `text` in `column`:
  // the calendar's field only when it is filled in or the record already
  // had one, so that editing a row of a three-column list keeps it three.
  std::vector<std::string> fieldsWith(int row, int column, const std::string& text) const;
  // The rows that parse, in table order; the same object until one of them
  // changes, so that what is worked out from them can be kept.
  std::shared_ptr<const std::vector<Anniversary>> entries() const { return entries_; }
  // How many rows have been parsed, all told: what shows that an unchanged
  // row is never parsed again.
  std::size_t parses() const { return parses_; }
  // The numbers (from 1) of the rows that have text but do not parse.
  std::vector<int> invalidRows() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  // The user typed `text` into a cell: the tab changes the document.
  void cellEdited(int row, int column, const QString& text);

 private:
  struct Row {
    std::optional<EntryResult> parsed;  // nothing for a row with no text
    int repeats = 0;                    // the earlier row (from 1) with the same name and date
    mutable QString next;               // null until shown
  };
  std::vector<std::string> fieldsOf(std::size_t row) const;
  void parse(std::size_t row);
  static bool HoldsEntry(const Row& row);
  QVariant look(const Row& row, int column, int role) const;

  RowWording wording_;
  const CsvDocument* document_ = nullptr;
  std::vector<std::size_t> records_;  // row -> record of the document
  std::vector<Row> rows_;
  std::set<int> unsaved_;
  std::shared_ptr<const std::vector<Anniversary>> entries_;
  bool entriesStale_ = true;  // a row that parses changed since the entries were gathered
  std::size_t parses_ = 0;
};

}  // namespace tessarine
