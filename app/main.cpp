#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tessarine");
  QApplication::setApplicationDisplayName("Tessarine");
  tessarine::TForm1 Form1;
  Form1.show();
  return QApplication::exec();
}
