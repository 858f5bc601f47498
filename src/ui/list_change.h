// One change of the anniversary list for the tab's undo stack: the document
// before the change and, once undone, after it.
#pragma once

#include <QUndoCommand>
#include <functional>
#include <optional>

#include "lists/csv_document.h"

namespace tessarine {

// Pushed before the change is made, so its first redo does nothing.
class ListChange : public QUndoCommand {
 public:
  ListChange(CsvDocument before, std::function<void(const CsvDocument&)> restore, std::function<CsvDocument()> current)
      : before_(std::move(before)), restore_(std::move(restore)), current_(std::move(current)) {}

  void undo() override {
    after_ = current_();
    restore_(before_);
  }
  void redo() override {
    if (after_) restore_(*after_);
  }

 private:
  CsvDocument before_;
  std::optional<CsvDocument> after_;
  std::function<void(const CsvDocument&)> restore_;
  std::function<CsvDocument()> current_;
};

}  // namespace tessarine
