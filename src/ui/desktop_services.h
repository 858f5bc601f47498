// The window's way to the desktop: clock, message boxes, the output folder
// and where the user's files live, file writing, the folder chooser, the
// file manager, the browser and the system's locale. Each is a replaceable function so that tests
// drive the real window without a real desktop.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

#include "files/new_file.h"

class QWidget;

namespace tessarine {

struct DesktopServices {
  using MessageFunction = std::function<QMessageBox::StandardButton(
      QWidget* owner, const QString& text, const QString& caption, QMessageBox::Icon icon,
      QMessageBox::StandardButtons buttons)>;

  std::function<QDateTime()> now;
  MessageFunction showMessage;
  std::function<QString()> programFilePath;
  // The folder the calendar files go to.
  std::function<QString()> outputFolder;
  // The anniversary list, kept in the user's configuration folder.
  std::function<QString()> anniversaryListFile;
  // Writes a new file into the folder under the name, or the next free one;
  // tests replace it. None: the system's own (GenerateOptions::write).
  std::function<WrittenFile(const std::filesystem::path& folder, std::string_view name, const ByteSource& text)>
      writeFile;
  // Replaces the file of that name in the folder in one step (固定文件名).
  std::function<WrittenFile(const std::filesystem::path& folder, std::string_view name, const ByteSource& text)>
      replaceFile;
  // Opens a file-manager window on the folder of `path` with `path` selected;
  // false when no program could show it.
  std::function<bool(const QString& path)> showInFileManager;
  // Opens a folder or an address with the desktop's program for it; false
  // when there is none.
  std::function<bool(const QUrl& address)> openUrl;
  // Asks the user for a folder, starting at `start`; empty when cancelled.
  std::function<QString(QWidget* owner, const QString& start)> chooseFolder;
  // The system's locale, which a first start takes the region, the window's
  // language and the files' language from.
  std::function<QLocale()> systemLocale;

  // The real desktop.
  static DesktopServices System();
};

// A modal message box owned by `owner`; returns the button pressed.
QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons);

// The program's own folder for a copy the user owns and can write, unpacked
// anywhere but a system location (/usr, /opt, …); otherwise, and always for
// an installed program, the subfolder Tessarine of `documentsFolder`,
// created when needed. Both without a trailing separator.
QString ChooseOutputFolder(const QString& programFolder, const QString& documentsFolder);

// The window's settings.ini, beside the user's anniversary list.
QString SettingsFile(const DesktopServices& services);

// `file` for QSettings to read: itself when it is a regular file within the
// lists' limit, or not there yet; otherwise no file (an empty name, which
// reads as no setting at all). QSettings would wait on a named pipe for a
// writer, and the window would never appear.
QString ReadableSettingsFile(const QString& file);

// Explorer on Windows; elsewhere the freedesktop FileManager1 service over
// D-Bus, falling back to opening the folder with the desktop's default handler.
bool ShowInFileManager(const QString& path);

}  // namespace tessarine
