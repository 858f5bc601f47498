// One change of the anniversary list for the tab's undo stack. It keeps only
// the records the change touched, as they were and as they became, not the
// whole list: a list of 10,000 rows edited a hundred times would otherwise
// hold a hundred copies of itself.
#pragma once

#include <QUndoCommand>
#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "lists/csv_document.h"

namespace tessarine {

// Pushed once the change is made, so its first redo does nothing.
class ListChange : public QUndoCommand {
 public:
  // The records an undo or a redo put back: from `start` on, `removed` records
  // gave way to `added` others; the rest are as they were.
  struct Span {
    std::size_t start = 0, removed = 0, added = 0;
  };
  using Restore = std::function<void(const CsvDocument&, Span)>;

  // `restore` puts a whole list back, saying which records changed;
  // `current` gives the list as it is now, which is `after` whenever the
  // change is undone.
  ListChange(const CsvDocument& before, const CsvDocument& after, Restore restore, std::function<CsvDocument()> current)
      : restore_(std::move(restore)), current_(std::move(current)), lineEnds_{before.lineEnd, after.lineEnd} {
    const std::vector<CsvRecord>& was = before.records;
    const std::vector<CsvRecord>& is = after.records;
    const std::size_t shorter = std::min(was.size(), is.size());
    while (start_ < shorter && Same(was[start_], is[start_])) ++start_;
    std::size_t end = 0;  // the same records at the end, after the start
    while (end < shorter - start_ && Same(was[was.size() - 1 - end], is[is.size() - 1 - end])) ++end;
    records_[0].assign(was.begin() + At(start_), was.end() - At(end));
    records_[1].assign(is.begin() + At(start_), is.end() - At(end));
  }

  void undo() override { put(1, 0); }
  void redo() override {
    if (made_) put(0, 1);  // the first redo is the change itself, made already
    made_ = true;
  }

 private:
  static std::ptrdiff_t At(std::size_t index) { return static_cast<std::ptrdiff_t>(index); }
  static bool Same(const CsvRecord& a, const CsvRecord& b) {
    return a.line == b.line && a.kind == b.kind && a.text == b.text && a.fields == b.fields;
  }
  // The list as it is now, with the touched records of side `from` (0 before
  // the change, 1 after it) replaced by those of side `to`.
  void put(int from, int to) {
    CsvDocument document = current_();
    const auto first = document.records.begin() + At(start_);
    document.records.erase(first, first + At(records_[static_cast<std::size_t>(from)].size()));
    const std::vector<CsvRecord>& put = records_[static_cast<std::size_t>(to)];
    document.records.insert(document.records.begin() + At(start_), put.begin(), put.end());
    document.lineEnd = lineEnds_[static_cast<std::size_t>(to)];
    restore_(document, Span{start_, records_[static_cast<std::size_t>(from)].size(), put.size()});
  }

  Restore restore_;
  std::function<CsvDocument()> current_;
  std::array<std::string, 2> lineEnds_;
  std::size_t start_ = 0;  // the first record the change touched
  std::array<std::vector<CsvRecord>, 2> records_;  // the touched records, before and after
  bool made_ = false;
};

}  // namespace tessarine
