// The window program: one application, one window in the user's language.
#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <functional>
#include <memory>
#include <csignal>
#include <exception>

#include "ui/flat_style.h"
#include "ui/main_window.h"
#include "ui/desktop_services.h"
#include "ui/translation.h"

namespace {

// Sends an error that no handler dealt with to the window's general error
// report instead of ending the program.
class Application : public QApplication {
 public:
  using QApplication::QApplication;
  QPointer<tessarine::MainWindow> window;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      if (window) window->reportError(error);
      return false;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  // A file past the user's size limit fails its write with EFBIG, which the
  // window reports, instead of ending the program without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  Application application(argc, argv);
  QApplication::setApplicationName("Tessarine");
  // No display name on purpose: the platform would append it to every
  // window title, and the message boxes' captions are 提示 and 错误 exactly.
  QGuiApplication::setDesktopFileName("com.example.tessarine");
  // The window's language as remembered beside the user's lists, else the system's.
  const QString settingsFile =
      tessarine::ReadableSettingsFile(tessarine::SettingsFile(tessarine::DesktopServices::System()));
  const QString chosen = QSettings(settingsFile, QSettings::IniFormat).value(tessarine::kInterfaceLanguageKey).toString();
  // The window's flat look; the application owns the style from here on.
  QApplication::setStyle(new tessarine::FlatStyle);

  std::unique_ptr<tessarine::MainWindow> window;
  // A new language takes effect in a new window, built with its texts from
  // the start and placed where the old one was; every option is remembered.
  std::function<void(const QString&)> open = [&](const QString& language) {
    tessarine::InstallTranslations(application, tessarine::InterfaceLanguage(language, QLocale::system()));
    const QRect geometry = window ? window->geometry() : QRect();
    window = std::make_unique<tessarine::MainWindow>();
    application.window = window.get();
    if (geometry.isValid()) window->setGeometry(geometry);
    QObject::connect(window.get(), &tessarine::MainWindow::interfaceLanguageChosen, &application,
                     [&](const QString& next) { QTimer::singleShot(0, &application, [&open, next] { open(next); }); });
    window->show();
  };
  open(chosen);
  return QApplication::exec();
}
