// The window speaks Simplified Chinese, Traditional Chinese, English, Korean
// or Vietnamese: the system's language picks one, 控制 → 界面语言 overrides
// it. Qt's own standard texts (是/否/确定, 撤销/复制/全选) follow from Qt's
// translations where Qt has them, built into the program like ours.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tessarine {

// The setting under which 控制 → 界面语言 is remembered.
inline constexpr const char* kInterfaceLanguageKey = "interfaceLanguage";

// The languages the window speaks, as 界面语言 remembers them.
inline const QStringList kWindowLanguages = {"zh_CN", "zh_TW", "en", "ko", "vi"};

// One of kWindowLanguages: `chosen` when it is one of them, otherwise the
// one for `system` (Chinese in Traditional script or of Taiwan, Hong Kong or
// Macau → zh_TW, other Chinese → zh_CN, Korean → ko, Vietnamese → vi, any
// other language → en).
QString InterfaceLanguage(const QString& chosen, const QLocale& system);

// Replaces the window's translations in `application` with those of
// `language` (one of the above) and makes its locale the default, so that
// dates and weekdays are named alike. False when a translation could not be
// loaded; the window then shows the texts it was written with.
bool InstallTranslations(QCoreApplication& application, const QString& language);

}  // namespace tessarine
