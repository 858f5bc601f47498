// The window's remembered choices, in settings.ini beside the user's lists:
// each read as QSettings reads it, from a file that is no pipe or device,
// and each saved at once by the file's one writer (lists/settings_file.h),
// under the lock the lists take. Why a setting could not be saved goes to
// whoever words it for the user.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <system_error>

namespace tessarine {

class WindowSettings {
 public:
  using Failure = std::function<void(std::error_code)>;

  // The settings in `file`; `notStored` hears why a setting was not saved.
  WindowSettings(QString file, Failure notStored);

  // The setting remembered under `key`, or `fallback` when there is none.
  QVariant value(const char* key, const QVariant& fallback = {}) const;
  // Remembers `value` under `key` at once.
  void store(const char* key, const QString& value) const;

 private:
  QString file_;
  Failure notStored_;
};

}  // namespace tessarine
