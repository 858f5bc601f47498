// The export's outside world as the window provides it: message boxes owned
// by the window, focus on its year boxes, its text box for the preview.
#pragma once

#include "export/export_platform.h"
#include "ui/desktop_services.h"

namespace tessarine {

class TForm1;

class WindowExportPlatform : public ExportPlatform {
 public:
  WindowExportPlatform(TForm1& window, DesktopServices& services) : window_(window), services_(services) {}

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void FocusYearBox(YearBox box) override;
  std::chrono::local_seconds Now() override;
  std::string ProgramFilePath() override;
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  void OpenFileManager(std::string_view parameters) override;
  void SetPreviewText(std::string_view text) override;

 private:
  TForm1& window_;
  DesktopServices& services_;
};

}  // namespace tessarine
