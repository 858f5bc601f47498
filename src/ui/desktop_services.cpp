#include "ui/desktop_services.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>

#include <filesystem>

#include "files/bounded_read.h"
#include "files/replace_file.h"


namespace tessarine {

DesktopServices DesktopServices::System() {
  return {
      [] { return QDateTime::currentDateTime(); },
      ShowMessageBox,
      [] { return QCoreApplication::applicationFilePath(); },
      [] {
        return ChooseOutputFolder(QCoreApplication::applicationDirPath(),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
      },
      [] {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/anniversaries.csv";
      },
      {},  // the system's own new files, written on both cores
      ReplaceFileIn,
      tessarine::ShowInFileManager,
      [](const QUrl& address) { return QDesktopServices::openUrl(address); },
      [](QWidget* owner, const QString& start) { return QFileDialog::getExistingDirectory(owner, QCoreApplication::translate("tessarine::MainWindow", "输出文件夹"), start); },
      [] { return QLocale::system(); },
  };
}

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, owner);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // a path or a reason can be copied
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

namespace {

// Where packages install programs: never a place for the user's files, even
// when the superuser runs the program.
bool IsSystemLocation(const QString& folder) {
  const QString path = QDir::cleanPath(folder) + "/";
  for (const char* prefix : {"/usr/", "/bin/", "/sbin/", "/lib/", "/lib64/", "/opt/", "/snap/", "/app/", "/nix/"}) {
    if (path.startsWith(prefix)) return true;
  }
  return false;
}

}  // namespace

QString ChooseOutputFolder(const QString& programFolder, const QString& documentsFolder) {
  // A copy the user unpacked and owns writes beside itself. access() asks
  // the system itself, so a read-only mount counts as not writable.
  const bool ownCopy = !IsSystemLocation(programFolder) && QFileInfo(programFolder).ownerId() == ::geteuid() &&
                       ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0;
  if (ownCopy) return QDir::cleanPath(programFolder);
  const QString folder = QDir::cleanPath(documentsFolder + "/Tessarine");
  QDir().mkpath(folder);
  return folder;
}

bool ShowInFileManager(const QString& path) {
#ifdef Q_OS_WIN
  return QProcess::startDetached("Explorer.exe", {"/n,", "/select,", QDir::toNativeSeparators(path)});
#else
  QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                     "org.freedesktop.FileManager1", "ShowItems");
  call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
  if (reply.type() == QDBusMessage::ReplyMessage) return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
#endif
}

QString SettingsFile(const DesktopServices& services) {
  return QFileInfo(services.anniversaryListFile()).dir().filePath("settings.ini");
}

QString ReadableSettingsFile(const QString& file) {
  std::error_code error;
  const std::filesystem::path path = file.toStdString();
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return file;
  const bool readable = !error && std::filesystem::is_regular_file(status) &&
                        std::filesystem::file_size(path, error) <= kMostBytesRead && !error;
  return readable ? file : QString();
}

}  // namespace tessarine
