#include "ui/window_settings.h"

#include <QSettings>

#include "lists/settings_file.h"
#include "ui/desktop_services.h"

namespace tessarine {

WindowSettings::WindowSettings(QString file, Failure notStored)
    : file_(std::move(file)), notStored_(std::move(notStored)) {}

QVariant WindowSettings::value(const char* key, const QVariant& fallback) const {
  // Looked at on every read: a file replaced by a pipe meanwhile is never waited on.
  return QSettings(ReadableSettingsFile(file_), QSettings::IniFormat).value(key, fallback);
}

void WindowSettings::store(const char* key, const QString& value) const {
  const auto stored = StoreSetting(file_.toStdString(), key, value.toStdString());
  if (!stored && notStored_) notStored_(stored.error());
}

}  // namespace tessarine
