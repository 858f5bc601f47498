// The window and the desktop: the output folder chosen and opened, a file
// shown in its folder, the maker's page opened, and the window's messages,
// each saying what to do by hand when the desktop has no program for it.
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "ui/failure_text.h"
#include "ui/instructions.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

// True when the path to `folder` runs into a file: the folder cannot be
// there (a file named Documents where the folder should be).
bool BlockedByAFile(const QString& folder) {
  QFileInfo at(folder);
  while (!at.exists() && !at.isRoot() && at.absolutePath() != at.absoluteFilePath()) at = QFileInfo(at.absolutePath());
  return at.exists() && !at.isDir();
}

}  // namespace

QString MainWindow::outputFolder() const {
  const QString chosen = settings_.value("outputFolder").toString();
  return chosen.isEmpty() ? services_.outputFolder() : chosen;
}

void MainWindow::chooseOutputFolder() {
  const QString chosen = services_.chooseFolder(this, outputFolder());
  if (!chosen.isEmpty()) settings_.store("outputFolder", QDir::cleanPath(chosen));
}

void MainWindow::openOutputFolder() {
  const QString folder = outputFolder();
  if (BlockedByAFile(folder)) {
    message(tr("输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。")
                .arg(QDir::toNativeSeparators(folder)),
            tr("提示"), QMessageBox::Warning);
    return;
  }
  const QString program = services_.programFilePath();
  // Beside the program, the program itself is shown selected; elsewhere the
  // output folder is opened.
  if (QFileInfo(program).absolutePath() == folder) {
    showInFolder(program, true);
  } else {
    showInFolder(folder, false);
  }
}

void MainWindow::showInFolder(const QString& path, bool selectFile) {
  const bool shown = selectFile ? services_.showInFileManager(path) : services_.openUrl(QUrl::fromLocalFile(path));
  if (shown) return;
  const QString folder = QDir::toNativeSeparators(selectFile ? QFileInfo(path).absolutePath() : path);
  message(tr("没有找到能打开文件夹的程序。文件夹在：\r\n%1").arg(folder), tr("提示"), QMessageBox::Information);
}

void MainWindow::openMakerPage() {
  const QString address = ToQString(kMakerAddress);
  if (!services_.openUrl(QUrl(address))) {
    message(tr("没有找到能打开网页的程序。地址是：\r\n%1").arg(address), "Tessarine", QMessageBox::Information);
  }
}

void MainWindow::sayNotStored(std::error_code error) {
  message(tr("无法保存设置：%1。").arg(ReasonText(error)), tr("错误"), QMessageBox::Warning);
}

void MainWindow::reportError(const std::exception& error) {
  QString text = QString::fromUtf8(error.what());
  if (!text.endsWith('.')) text += '.';
  message(text, "Tessarine", QMessageBox::Critical);
}

QMessageBox::StandardButton MainWindow::message(const QString& text, const QString& caption,
                                                QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  return services_.showMessage(this, text, caption, icon, buttons);
}

}  // namespace tessarine
