// The export's outside world on a command line: messages go to the error
// stream, the completion question is answered No, files are written into the
// chosen folder and each written file's path is printed.
#pragma once

#include <ostream>
#include <string>

#include "export/export_platform.h"

namespace tessarine::cli {

class ConsolePlatform : public ExportPlatform {
 public:
  ConsolePlatform(std::string outputFolder, std::ostream& out, std::ostream& err)
      : outputFolder_(std::move(outputFolder)), out_(out), err_(err) {}

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void FocusYearBox(YearBox) override {}
  std::chrono::local_seconds Now() override;
  std::string ProgramFilePath() override;
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  void OpenFileManager(std::string_view) override {}
  void SetPreviewText(std::string_view) override {}

  bool RejectedInput() const { return rejectedInput_; }
  bool WriteFailed() const { return writeFailed_; }

 private:
  std::string outputFolder_;
  std::ostream& out_;
  std::ostream& err_;
  bool rejectedInput_ = false;
  bool writeFailed_ = false;
};

}  // namespace tessarine::cli
