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
  QPointer<tessarine::TForm1> window;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      if (window) window->ReportError(error);
      return false;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  Application application(argc, argv);
  QApplication::setApplicationName("Tessarine");
  QApplication::setApplicationDisplayName("Tessarine");
  tessarine::TForm1 Form1;
  application.window = &Form1;
  Form1.show();
  return QApplication::exec();
}
