#include "ui/desktop_services.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "export/atomic_file.h"

namespace tessarine {

DesktopServices DesktopServices::System() {
  return {
      [] { return QDateTime::currentDateTime(); },
      ShowMessageBox,
      [] { return QCoreApplication::applicationFilePath(); },
      WriteFileAtomically,
      tessarine::ShowInFileManager,
      [](const QUrl& address) { QDesktopServices::openUrl(address); },
  };
}

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, owner);
  return static_cast<QMessageBox::StandardButton>(box.exec());
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
