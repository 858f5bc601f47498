// The window's way to the desktop: clock, message boxes, the program's path,
// file writing, the file manager and the browser. Each is a replaceable
// function so that tests drive the real window without a real desktop.
#pragma once

#include <QDateTime>
#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace tessarine {

struct DesktopServices {
  using MessageFunction = std::function<QMessageBox::StandardButton(
      QWidget* owner, const QString& text, const QString& caption, QMessageBox::Icon icon,
      QMessageBox::StandardButtons buttons)>;

  std::function<QDateTime()> Now;
  MessageFunction ShowMessage;
  std::function<QString()> ProgramFilePath;
  std::function<bool(const std::string& path, std::string_view bytes)> WriteFile;
  std::function<void(const QString& path)> ShowInFileManager;
  std::function<void(const QUrl& address)> OpenUrl;

  // The real desktop.
  static DesktopServices System();
};

// A modal message box owned by `owner`; returns the button pressed.
QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons);

// Opens a file-manager window on the folder of `path` with `path` selected:
// Explorer on Windows; elsewhere the freedesktop FileManager1 service over
// D-Bus, falling back to opening the folder with the desktop's default handler.
void ShowInFileManager(const QString& path);

}  // namespace tessarine
