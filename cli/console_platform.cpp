#include "cli/console_platform.h"

#include <ctime>
#include <filesystem>

#include "export/atomic_file.h"

namespace tessarine::cli {

MessageAnswer ConsolePlatform::ShowMessage(std::string_view text, std::string_view, MessageIcon icon,
                                           MessageButtons buttons) {
  if (icon == MessageIcon::Warning) rejectedInput_ = true;
  if (icon != MessageIcon::Information) {
    // Messages carry CR LF for the window; a terminal wants plain lines.
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) err_.put(text[i]);
    }
    err_ << "\n";
  }
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::chrono::local_seconds ConsolePlatform::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::chrono::year_month_day date{std::chrono::year{local.tm_year + 1900},
                                         std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                         std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
  return std::chrono::local_days{date} + std::chrono::hours{local.tm_hour} +
         std::chrono::minutes{local.tm_min} + std::chrono::seconds{local.tm_sec};
}

std::string ConsolePlatform::ProgramFilePath() {
  // The export writes beside the program; here the program "lives" in the
  // chosen output folder.
  return (std::filesystem::path(outputFolder_) / "tessarine-cli").string();
}

bool ConsolePlatform::WriteFile(const std::string& path, std::string_view bytes) {
  if (!WriteFileAtomically(path, bytes)) {
    writeFailed_ = true;
    return false;
  }
  out_ << path << "\n";
  return true;
}

}  // namespace tessarine::cli
