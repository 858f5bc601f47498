// The window program: one application, one window, Chinese standard texts.
#include <QApplication>
#include <QPointer>
#include <csignal>
#include <exception>

#include "ui/flat_style.h"
#include "ui/main_window.h"
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
  tessarine::InstallChineseTranslation(application);
  // The window's flat look; the application owns the style from here on.
  QApplication::setStyle(new tessarine::FlatStyle);
  tessarine::MainWindow window;
  application.window = &window;
  window.show();
  return QApplication::exec();
}
