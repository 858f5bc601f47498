// An ExportPlatform that records what the export asks of the world, keeps
// written files in memory and can be told to fail writes or answer Yes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "export/export_platform.h"
#include "support/ical_check.h"

namespace tessarine::testing {

struct ShownMessage {
  std::string text, caption;
  MessageIcon icon;
  MessageButtons buttons;
};

class FakePlatform : public ExportPlatform {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons) override {
    messages.push_back({std::string(text), std::string(caption), icon, buttons});
    return buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
  }
  void FocusYearBox(YearBox box) override { focused.push_back(box); }
  std::chrono::local_seconds Now() override { return now; }
  std::string ProgramFilePath() override { return programPath; }
  bool WriteFile(const std::string& path, std::string_view bytes) override {
    if (failWrites) return false;
    ParseCalendar(bytes);  // every file written in a test must be a valid calendar
    files[path] = std::string(bytes);
    written.push_back(path);
    return true;
  }
  void OpenFileManager(std::string_view parameters) override { fileManager.emplace_back(parameters); }
  void SetPreviewText(std::string_view text) override { preview = text; }

  // 2013-01-06 14:25:30, local time.
  std::chrono::local_seconds now = std::chrono::local_days{std::chrono::year{2013} / 1 / 6} +
                                   std::chrono::hours{14} + std::chrono::minutes{25} + std::chrono::seconds{30};
  std::string programPath = "/opt/tessarine/tessarine";
  MessageAnswer answer = MessageAnswer::No;
  bool failWrites = false;

  std::vector<ShownMessage> messages;
  std::vector<YearBox> focused;
  std::map<std::string, std::string> files;
  std::vector<std::string> written;
  std::vector<std::string> fileManager;
  std::string preview;
};

}  // namespace tessarine::testing
