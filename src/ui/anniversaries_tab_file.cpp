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
#include <QSaveFile>
#include <QTableWidget>
#include <QUndoStack>

#include "ui/anniversaries_tab.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

QString ListProblemText(const ListProblem& problem) {
  switch (problem.kind) {
    case ListProblem::Kind::NotText: return QString("第 %1 行不是 UTF-8 或 GB18030 编码的文字").arg(problem.line);
    case ListProblem::Kind::UnclosedQuote: return QString("第 %1 行的引号没有闭合").arg(problem.line);
  }
  return {};
}

}  // namespace

std::optional<std::string> AnniversariesTab::diskBytes(QString* error) const {
  QFile file(listFile_);
  if (!file.exists()) return std::nullopt;
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return std::string();  // there, but unreadable: never the same as what was saved
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError && error) *error = file.errorString();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void AnniversariesTab::load() {
  QString error;
  const std::optional<std::string> bytes = diskBytes(&error);
  savedBytes_ = bytes;
  if (!error.isEmpty()) return refuse("无法读取：" + error);
  if (!bytes) return display(LoadedList{});  // no list yet
  auto loaded = LoadList(*bytes);
  if (const auto* problem = std::get_if<ListProblem>(&loaded)) return refuse(ListProblemText(*problem));
  display(std::move(std::get<LoadedList>(loaded)));
}

void AnniversariesTab::fillTable() {
  loading_ = true;
  entriesTable->setRowCount(0);
  rowRecords_ = EntryRecords(list_->document);
  for (const std::size_t record : rowRecords_) {
    const std::vector<std::string>& fields = list_->document.records[record].fields;
    const int row = entriesTable->rowCount();
    entriesTable->insertRow(row);
    for (int column = 0; column < 3 && column < static_cast<int>(fields.size()); ++column) {
      entriesTable->setItem(row, column, new QTableWidgetItem(ToQString(fields[static_cast<std::size_t>(column)])));
    }
  }
  loading_ = false;
  unsavedRows_.clear();
  check();
  markUnsaved();
}

void AnniversariesTab::restore(const CsvDocument& document) {
  if (!list_) return;
  list_->document = document;
  fillTable();
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
  problemLabel->setText(gb18030 ? "此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。" : QString());
  problemLabel->setVisible(gb18030);
  openListFolderButton->hide();
  newListButton->hide();
  watcher_->addPath(QFileInfo(listFile_).absolutePath());
  if (QFileInfo::exists(listFile_)) watcher_->addPath(listFile_);
}

void AnniversariesTab::refuse(const QString& why) {
  list_.reset();
  undo_->clear();
  rowRecords_.clear();
  loading_ = true;
  entriesTable->setRowCount(0);
  loading_ = false;
  problem_ = "纪念日列表 " + QDir::toNativeSeparators(listFile_) + " 无法作为列表读取：" + why +
             "。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。";
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
  // Another program may have written the file since: its version wins, and
  // the table shows it.
  if (diskBytes() != savedBytes_) {
    load();
    if (list_) {
      problemLabel->setText("纪念日列表已被其他程序修改，已重新读取；刚才的修改没有保存。");
      problemLabel->show();
    }
    return;
  }
  const std::string bytes = SavedListBytes(*list_);
  if (savedBytes_ && bytes == *savedBytes_) {
    unsavedRows_.clear();
    return markUnsaved();
  }
  QDir().mkpath(QFileInfo(listFile_).absolutePath());
  QSaveFile file(listFile_);
  const bool saved = file.open(QIODevice::WriteOnly) &&
                     file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
                     file.commit();
  if (saved) {
    savedBytes_ = bytes;
    unsavedRows_.clear();
    problemLabel->hide();
    watcher_->addPath(listFile_);
  } else {
    problemLabel->setText("保存纪念日列表失败：" + file.errorString() + "。标有 * 的行还没有保存。");
    problemLabel->show();
  }
  markUnsaved();
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
    problemLabel->setText(problem_ + "（无法改名留作备份，未新建列表。）");
    return;
  }
  savedBytes_.reset();
  display(LoadedList{});
  problemLabel->setText("原文件已改名为 " + QDir::toNativeSeparators(backup) + "。");
  problemLabel->show();
}

}  // namespace tessarine
