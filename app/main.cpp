#include <QApplication>
#include <QPointer>
#include <exception>

#include "ui/main_window.h"

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
  Application application(argc, argv);
  QApplication::setApplicationName("Tessarine");
  QApplication::setApplicationDisplayName("Tessarine");
  tessarine::MainWindow window;
  application.window = &window;
  window.show();
  return QApplication::exec();
}
