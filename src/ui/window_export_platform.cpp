#include "ui/window_export_platform.h"

#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace tessarine {

MessageAnswer WindowExportPlatform::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                                                MessageButtons buttons) {
  const QMessageBox::Icon boxIcon = icon == MessageIcon::Warning       ? QMessageBox::Warning
                                    : icon == MessageIcon::Information ? QMessageBox::Information
                                                                       : QMessageBox::Critical;
  const bool question = buttons == MessageButtons::YesNo;
  const auto pressed = services_.ShowMessage(&window_, ToQString(text), ToQString(caption), boxIcon,
                                             question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  if (!question) return MessageAnswer::Ok;
  return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void WindowExportPlatform::FocusYearBox(YearBox box) { window_.FocusYearBox(box); }

std::chrono::local_seconds WindowExportPlatform::Now() {
  const QDateTime now = services_.Now();
  const QDate date = now.date();
  const QTime time = now.time();
  const std::chrono::year_month_day day{std::chrono::year{date.year()},
                                        std::chrono::month{static_cast<unsigned>(date.month())},
                                        std::chrono::day{static_cast<unsigned>(date.day())}};
  return std::chrono::local_days{day} + std::chrono::hours{time.hour()} + std::chrono::minutes{time.minute()} +
         std::chrono::seconds{time.second()};
}

std::string WindowExportPlatform::ProgramFilePath() { return services_.ProgramFilePath().toStdString(); }

bool WindowExportPlatform::WriteFile(const std::string& path, std::string_view bytes) {
  return services_.WriteFile(path, bytes);
}

void WindowExportPlatform::OpenFileManager(std::string_view parameters) {
  if (parameters.starts_with(kSelectInFileManager)) parameters.remove_prefix(kSelectInFileManager.size());
  services_.ShowInFileManager(ToQString(parameters));
}

void WindowExportPlatform::SetPreviewText(std::string_view text) { window_.SetPreviewText(ToQString(text)); }

}  // namespace tessarine
