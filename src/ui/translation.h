// The window is Chinese whatever the system's language: Qt's own standard
// texts (是/否/确定 on message boxes, 撤销/复制/全选 in context menus) come
// from Qt's Simplified Chinese translation, built into the program.
#pragma once

class QCoreApplication;

namespace tessarine {

// Installs the built-in translation into `application`; false when it could
// not be loaded (the standard texts then stay English).
bool InstallChineseTranslation(QCoreApplication& application);

}  // namespace tessarine
