// The 纪念日 tab and its file: reading the list, saving only what was
// edited, and never saving over a file it could not read or that another
// program changed.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include "files/bounded_read.h"
#include "lists/csv_merge.h"
#include "lists/list_file.h"
#include "files/replace_file.h"
#include "ui/anniversaries_tab.h"
#include "ui/failure_text.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

QString ListProblemText(const ListProblem& problem) {
  switch (problem.kind) {
    case ListProblem::Kind::NotText: return AnniversariesTab::tr("第 %1 行不是 UTF-8 或 GB18030 编码的文字").arg(problem.line);
    case ListProblem::Kind::UnclosedQuote: return AnniversariesTab::tr("第 %1 行的引号没有闭合").arg(problem.line);
    case ListProblem::Kind::TooManyPieces:
      return AnniversariesTab::tr("到第 %1 行，行和字段已超过 %2 个，没有这么大的列表").arg(problem.line).arg(kMostCsvPieces);
    case ListProblem::Kind::MixedEncodings:
      return AnniversariesTab::tr("第 %1 行是 UTF-8 编码，第 %2 行却不是：一个文件里混有两种编码，请用一种编码重新保存")
          .arg(problem.utf8Line)
          .arg(problem.line);
  }
  return {};
}

}  // namespace

std::optional<std::string> AnniversariesTab::diskBytes(QString* error) const {
  // Read as every list is read: a named pipe, a device or a file past the
  // lists' limit is refused, never waited on or read without end.
  FileBytes read = ReadBoundedFile(listFile_.toStdString());
  if (read.error) {
    if (error) *error = ReasonText(read.error);
    return std::string();  // there, but unreadable: never the same as what was saved
  }
  return std::move(read.bytes);
}

void AnniversariesTab::load() {
  QString error;
  const std::optional<std::string> bytes = diskBytes(&error);
  savedBytes_ = bytes;
  if (!error.isEmpty()) return refuse(tr("无法读取：%1").arg(error));
  if (!bytes) return display(LoadedList{});  // no list yet
  auto loaded = LoadList(*bytes);
  if (!loaded) return refuse(ListProblemText(loaded.error()));
  display(std::move(*loaded));
}

void AnniversariesTab::fillTable() {
  rows_->show(&list_->document, EntryRecords(list_->document));
  unsavedRows_.clear();
  check();
  markUnsaved();
}

void AnniversariesTab::restore(const CsvDocument& document, std::size_t start, std::size_t removed,
                               std::size_t added) {
  if (!list_) return;
  list_->document = document;
  rows_->recordsReplaced(EntryRecords(list_->document), start, removed, added);
  unsavedRows_.clear();
  check();
  markUnsaved();
  save();
}

void AnniversariesTab::display(LoadedList list) {
  list_ = std::move(list);
  problem_.clear();
  undo_->clear();  // what was undoable belonged to the file before
  fillTable();
  for (QWidget* editor : {static_cast<QWidget*>(entriesTable), static_cast<QWidget*>(addButton),
                          static_cast<QWidget*>(removeButton)}) {
    editor->setEnabled(true);
  }
  const bool gb18030 = list_->encoding == TextEncoding::Gb18030;
  problemLabel->setText(gb18030 ? tr("此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。") : QString());
  problemLabel->setVisible(gb18030);
  openListFolderButton->hide();
  newListButton->hide();
  watcher_->addPath(QFileInfo(listFile_).absolutePath());
  if (QFileInfo::exists(listFile_)) watcher_->addPath(listFile_);
}

void AnniversariesTab::refuse(const QString& why) {
  list_.reset();
  undo_->clear();
  rows_->show(nullptr, {});
  problem_ = tr("纪念日列表 %1 无法作为列表读取：%2。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。")
                 .arg(QDir::toNativeSeparators(listFile_), why);
  for (QWidget* editor : {static_cast<QWidget*>(entriesTable), static_cast<QWidget*>(addButton),
                          static_cast<QWidget*>(removeButton)}) {
    editor->setEnabled(false);
  }
  problemLabel->setText(problem_);
  problemLabel->show();
  openListFolderButton->show();
  newListButton->show();
  watcher_->addPath(QFileInfo(listFile_).absolutePath());
  if (QFileInfo::exists(listFile_)) watcher_->addPath(listFile_);
}

void AnniversariesTab::save() {
  if (!list_) return;
  const std::string ours = SavedListBytes(*list_);
  if (savedBytes_ && ours == *savedBytes_) {
    unsavedRows_.clear();
    return markUnsaved();
  }
  // The edits are carried over to the file as it is now: rows another
  // program added or changed meanwhile stay.
  CsvDocument base;
  if (savedBytes_) {
    if (auto loaded = LoadList(*savedBytes_)) base = std::move(loaded->document);
  }
  const auto update = UpdateListFile(listFile_.toStdString(), [&](LoadedList& current) {
    auto merged = MergeEdits(base, list_->document, current.document);
    if (!merged) return ChangeOutcome::Refuse;
    current.document = std::move(*merged);
    return ChangeOutcome::Apply;
  });
  if (!update && update.error().kind == ListUpdateError::Kind::NotAList) return load();
  if (!update) {
    problemLabel->setText(tr("保存纪念日列表失败：%1。标有 * 的行还没有保存。").arg(ReasonText(update.error().error)));
    problemLabel->show();
  } else if (update->outcome == LockedUpdate::Outcome::Refused) {
    return keepBoth(ours);
  } else {
    savedBytes_ = update->bytes;
    unsavedRows_.clear();
    problemLabel->hide();
    watcher_->addPath(listFile_);
    if (update->bytes != ours) {
      load();  // merged with another program's change: show the file as it is
      problemLabel->setText(tr("纪念日列表刚被其他程序修改过，已与你的修改合并。"));
      problemLabel->show();
    }
  }
  markUnsaved();
}

void AnniversariesTab::keepBoth(const std::string& ours) {
  const QString copy = listFile_ + "." + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss") + ".mine.csv";
  const WrittenFile written = ReplaceFile(copy.toStdString(), ours);
  load();
  problemLabel->setText(
      written.error
          ? tr("纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的修改无法另存：%1。").arg(ReasonText(written.error))
          : tr("纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的版本另存为 %1。").arg(QDir::toNativeSeparators(copy)));
  problemLabel->show();
}

void AnniversariesTab::onFileChanged() {
  // Our own save changes the file too: only another program's change is
  // read again.
  if (!list_ || diskBytes() != savedBytes_) load();
  if (QFileInfo::exists(listFile_)) watcher_->addPath(listFile_);  // a replaced file is watched anew
}

void AnniversariesTab::onNewListClicked() {
  const QString backup = listFile_ + "." + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss") + ".bak";
  if (QFileInfo::exists(listFile_) && !QFile::rename(listFile_, backup)) {
    problemLabel->setText(problem_ + tr("（无法改名留作备份，未新建列表。）"));
    return;
  }
  savedBytes_.reset();
  display(LoadedList{});
  problemLabel->setText(tr("原文件已改名为 %1。").arg(QDir::toNativeSeparators(backup)));
  problemLabel->show();
}

}  // namespace tessarine
