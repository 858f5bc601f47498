#include "ui/anniversary_rows.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "ui/qt_text.h"

namespace tessarine {
namespace {

constexpr int kColumns = kEntryColumns + 1;  // the fields, then 农历 · 下次
const QColor kBadCell(255, 205, 205);
const QColor kRepeatedCell(255, 240, 190);

// What makes two rows the same entry: the name and the lunar date. The
// name is the row's own, looked at in place.
struct SameEntry {
  std::string_view name;
  unsigned date;  // month, day and leap in one number

  explicit SameEntry(const Anniversary& entry)
      : name(entry.name), date((entry.month << 6 | entry.day) << 1 | (entry.leap ? 1u : 0u)) {}
  bool operator==(const SameEntry&) const = default;
};

struct SameEntryHash {
  std::size_t operator()(const SameEntry& key) const noexcept {
    return std::hash<std::string_view>{}(key.name) * 31 + key.date;
  }
};

}  // namespace

AnniversaryRows::AnniversaryRows(RowWording wording, QObject* parent)
    : QAbstractTableModel(parent), wording_(std::move(wording)), entries_(std::make_shared<std::vector<Anniversary>>()) {}

void AnniversaryRows::show(const CsvDocument* document, std::vector<std::size_t> records) {
  beginResetModel();
  document_ = document;
  records_ = document ? std::move(records) : std::vector<std::size_t>{};
  unsaved_.clear();
  rows_.assign(records_.size(), Row{});
  for (std::size_t row = 0; row < rows_.size(); ++row) parse(row);
  entriesStale_ = true;
  if (!document) entries_ = std::make_shared<std::vector<Anniversary>>();
  endResetModel();
}

void AnniversaryRows::rowChanged(int row) { parse(static_cast<std::size_t>(row)); }

void AnniversaryRows::recordAppended(std::size_t record) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  records_.push_back(record);
  rows_.emplace_back();
  parse(rows_.size() - 1);
  endInsertRows();
}

void AnniversaryRows::recordErased(int row) {
  beginRemoveRows({}, row, row);
  const std::size_t record = records_[static_cast<std::size_t>(row)];
  entriesStale_ = entriesStale_ || HoldsEntry(rows_[static_cast<std::size_t>(row)]);
  records_.erase(records_.begin() + row);
  rows_.erase(rows_.begin() + row);
  for (std::size_t& later : records_) later -= later > record;
  endRemoveRows();
}

void AnniversaryRows::recordsReplaced(std::vector<std::size_t> records, std::size_t start, std::size_t removed,
                                      std::size_t added) {
  beginResetModel();
  std::vector<Row> rows(records.size());
  std::vector<bool> kept(rows_.size());
  std::vector<std::size_t> changed;  // the rows of the records put back
  std::size_t before = 0;            // walks the rows as they were, in record order
  for (std::size_t row = 0; row < records.size(); ++row) {
    const std::size_t record = records[row];
    if (record >= start && record < start + added) {
      changed.push_back(row);
      continue;
    }
    // The record's place before the change; its fields are the same.
    const std::size_t was = record < start ? record : record - added + removed;
    while (before < records_.size() && records_[before] < was) ++before;
    if (before < records_.size() && records_[before] == was) {
      rows[row] = std::move(rows_[before]);
      kept[before] = true;
    } else {
      changed.push_back(row);  // a record that holds an entry only now
    }
  }
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    entriesStale_ = entriesStale_ || (!kept[row] && HoldsEntry(rows_[row]));
  }
  records_ = std::move(records);
  rows_ = std::move(rows);
  unsaved_.clear();
  for (const std::size_t row : changed) parse(row);
  endResetModel();
}

void AnniversaryRows::check() {
  // The entries are gathered again only when a row that parses changed: the
  // month view keeps the years it worked out from them until then.
  std::shared_ptr<std::vector<Anniversary>> entries;
  if (entriesStale_) {
    entries = std::make_shared<std::vector<Anniversary>>();
    entries->reserve(rows_.size());
  }
  std::unordered_map<SameEntry, int, SameEntryHash> firstRowOf(rows_.size());
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    Row& r = rows_[row];
    r.repeats = 0;
    r.next = QString();
    const Anniversary* entry = r.parsed && *r.parsed ? &**r.parsed : nullptr;
    if (!entry) continue;
    const auto [at, fresh] = firstRowOf.try_emplace(SameEntry(*entry), static_cast<int>(row) + 1);
    if (!fresh) r.repeats = at->second;
    if (entries) entries->push_back(*entry);
  }
  if (entries) entries_ = std::move(entries);
  entriesStale_ = false;
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void AnniversaryRows::setUnsaved(std::set<int> rows) {
  if (rows == unsaved_) return;
  unsaved_ = std::move(rows);
  if (!rows_.empty()) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

std::vector<std::string> AnniversaryRows::fieldsOf(std::size_t row) const {
  const std::vector<std::string>& all = document_->records[records_[row]].fields;
  std::vector<std::string> fields(all.begin(), all.begin() + std::min<std::ptrdiff_t>(std::ssize(all), kEntryColumns));
  fields.resize(kEntryColumns);
  if (fields.back().empty() && all.size() < kEntryColumns) fields.pop_back();
  return fields;
}

std::vector<std::string> AnniversaryRows::fieldsWith(int row, int column, const std::string& text) const {
  const std::vector<std::string>& all = document_->records[recordOf(row)].fields;
  std::vector<std::string> fields = fieldsOf(static_cast<std::size_t>(row));
  fields.resize(kEntryColumns);
  fields[static_cast<std::size_t>(column)] = text;
  if (fields.back().empty() && all.size() < kEntryColumns) fields.pop_back();
  return fields;
}

void AnniversaryRows::parse(std::size_t row) {
  const std::vector<std::string> fields = fieldsOf(row);
  Row& r = rows_[row];
  entriesStale_ = entriesStale_ || HoldsEntry(r);
  r.parsed.reset();
  if (!IsBlankRow(fields)) {
    r.parsed = ParseAnniversary(fields);
    ++parses_;
  }
  entriesStale_ = entriesStale_ || HoldsEntry(r);
}

bool AnniversaryRows::HoldsEntry(const Row& row) {
  return row.parsed && row.parsed->has_value();
}

std::vector<int> AnniversaryRows::invalidRows() const {
  std::vector<int> rows;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row].parsed && !*rows_[row].parsed) rows.push_back(static_cast<int>(row) + 1);
  }
  return rows;
}

int AnniversaryRows::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AnniversaryRows::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant AnniversaryRows::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto at = static_cast<std::size_t>(index.row());
  const Row& row = rows_[at];
  if (role != Qt::DisplayRole && role != Qt::EditRole) return look(row, index.column(), role);
  if (index.column() < kEntryColumns) {
    const std::vector<std::string>& fields = document_->records[records_[at]].fields;
    const auto column = static_cast<std::size_t>(index.column());
    return column < fields.size() ? ToQString(fields[column]) : QString();
  }
  const Anniversary* entry = row.parsed && *row.parsed ? &**row.parsed : nullptr;
  if (!entry) return QString();
  if (row.next.isNull()) row.next = wording_.next(*entry);
  return row.next;
}

// The colour and tool tip of a cell: a field at fault, or the name of a
// row that repeats an earlier one.
QVariant AnniversaryRows::look(const Row& row, int column, int role) const {
  if (role != Qt::BackgroundRole && role != Qt::ToolTipRole) return {};
  if (column >= kEntryColumns) return {};
  const EntryError* error = row.parsed && !*row.parsed ? &row.parsed->error() : nullptr;
  // A field past the ones shown is blamed on the last shown.
  if (error && std::min(error->field, kEntryColumns) == column + 1) {
    return role == Qt::BackgroundRole ? QVariant(QBrush(kBadCell)) : QVariant(wording_.problem(error->problem));
  }
  if (row.repeats > 0 && column == 0) {
    return role == Qt::BackgroundRole ? QVariant(QBrush(kRepeatedCell)) : QVariant(wording_.repeats(row.repeats));
  }
  return {};
}

QVariant AnniversaryRows::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal) {
    if (section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole && section < wording_.columns.size()) return wording_.columns[section];
    if (role == Qt::ToolTipRole && section < wording_.columnTips.size() && !wording_.columnTips[section].isEmpty()) {
      return wording_.columnTips[section];
    }
    return {};
  }
  const bool unsaved = unsaved_.count(section) > 0;
  if (role == Qt::DisplayRole) return unsaved ? QString("%1*").arg(section + 1) : QString::number(section + 1);
  if (role == Qt::ToolTipRole && unsaved) return wording_.unsaved;
  return {};
}

Qt::ItemFlags AnniversaryRows::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return index.column() < kEntryColumns ? shown | Qt::ItemIsEditable : shown;  // 农历 · 下次 is never edited
}

bool AnniversaryRows::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || index.column() >= kEntryColumns) return false;
  const QString text = value.toString();
  if (text == data(index, Qt::EditRole).toString()) return true;  // no change, nothing to save
  emit cellEdited(index.row(), index.column(), text);
  return true;
}

}  // namespace tessarine
