#include "ui/translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace tessarine {
namespace {

constexpr const char* kInstalledName = "tessarineTranslator";

}  // namespace

QString InterfaceLanguage(const QString& chosen, const QLocale& system) {
  if (kWindowLanguages.contains(chosen)) return chosen;
  switch (system.language()) {
    case QLocale::Korean: return "ko";
    case QLocale::Vietnamese: return "vi";
    case QLocale::Chinese: break;
    default: return "en";
  }
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
  const QString ours = language == "zh_CN" ? QString() : ":/translations/tessarine_" + language + ".qm";
  const QString qts = language == "en" ? QString() : ":/translations/qtbase_" + language + ".qm";
  for (const QString& file : {ours, qts}) {
    // Qt ships no Vietnamese texts of its own: its buttons stay English there.
    if (file.isEmpty() || (file == qts && !QFile::exists(file))) continue;
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kInstalledName);
    if (translator->load(file)) {
      QCoreApplication::installTranslator(translator);
    } else {
      delete translator;
      loaded = false;
    }
  }
  return loaded;
}

}  // namespace tessarine
