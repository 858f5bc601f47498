#include "ui/desktop_services.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>


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
      WriteNewFile,
      tessarine::ShowInFileManager,
      [](const QUrl& address) { QDesktopServices::openUrl(address); },
  };
}

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, owner);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString ChooseOutputFolder(const QString& programFolder, const QString& documentsFolder) {
  // access() asks the system itself, so a read-only mount or a folder owned
  // by another user counts as not writable.
  if (::access(QFile::encodeName(programFolder).constData(), W_OK) == 0) return QDir::cleanPath(programFolder);
  const QString folder = QDir::cleanPath(documentsFolder + "/Tessarine");
  QDir().mkpath(folder);
  return folder;
}

void ShowInFileManager(const QString& path) {
#ifdef Q_OS_WIN
  QProcess::startDetached("Explorer.exe", {"/n,", "/select,", QDir::toNativeSeparators(path)});
#else
  QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                     "org.freedesktop.FileManager1", "ShowItems");
  call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
  if (reply.type() != QDBusMessage::ReplyMessage) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
  }
#endif
}

}  // namespace tessarine
