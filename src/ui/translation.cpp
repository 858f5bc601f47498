#include "ui/translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tessarine {

bool InstallChineseTranslation(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(":/translations/qtbase_zh_CN.qm")) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace tessarine
