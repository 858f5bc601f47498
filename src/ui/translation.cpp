#include "ui/translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tessarine {
namespace {

constexpr const char* kInstalledName = "tessarineTranslator";

}  // namespace

QString InterfaceLanguage(const QString& chosen, const QLocale& system) {
  if (chosen == "zh_CN" || chosen == "zh_TW" || chosen == "en") return chosen;
  if (system.language() != QLocale::Chinese) return "en";
  const bool traditional = system.script() == QLocale::TraditionalChineseScript ||
                           system.territory() == QLocale::Taiwan || system.territory() == QLocale::HongKong ||
                           system.territory() == QLocale::Macau;
  return traditional ? "zh_TW" : "zh_CN";
}

bool InstallTranslations(QCoreApplication& application, const QString& language) {
  for (QTranslator* old : application.findChildren<QTranslator*>(kInstalledName, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  QLocale::setDefault(QLocale(language));
  bool loaded = true;
  // The window's texts are written in zh_CN; English needs none of Qt's.
  const QString files[] = {language == "zh_CN" ? QString() : "tessarine_" + language,
                           language == "en" ? QString() : "qtbase_" + language};
  for (const QString& file : files) {
    if (file.isEmpty()) continue;
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kInstalledName);
    if (translator->load(":/translations/" + file + ".qm")) {
      QCoreApplication::installTranslator(translator);
    } else {
      delete translator;
      loaded = false;
    }
  }
  return loaded;
}

}  // namespace tessarine
