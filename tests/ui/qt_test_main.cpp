// The window tests need one application object for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/flat_style.h"
#include "ui/translation.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // As the program starts in Simplified Chinese: a name, no display name, Qt's
  // Chinese standard texts, the flat look.
  QApplication::setApplicationName("Tessarine");
  tessarine::InstallTranslations(application, "zh_CN");
  QApplication::setStyle(new tessarine::FlatStyle);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
