// Everything the export needs from the world outside it. The window plugs in
// message boxes, its year boxes and the desktop's file manager; the command
// line prints to its streams; tests record what happened.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tessarine {

enum class MessageIcon { Warning, Information, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class YearBox { Start, End };

// The parameter text of a request to open a file-manager window on the
// folder of a path with that path selected: this prefix, then the full path.
inline constexpr std::string_view kSelectInFileManager = "/n, /select, ";

class ExportPlatform {
 public:
  virtual ~ExportPlatform() = default;

  // A modal message; returns the button pressed.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                                    MessageButtons buttons) = 0;
  // Moves the input focus to the year box at fault.
  virtual void FocusYearBox(YearBox box) = 0;
  // The local date and time.
  virtual std::chrono::local_seconds Now() = 0;
  // The full path of the running program; files are written beside it.
  virtual std::string ProgramFilePath() = 0;
  // Creates or replaces the file with exactly these bytes. On failure returns
  // false and leaves no partial file and any earlier file of that name intact.
  virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
  // kSelectInFileManager followed by a full path.
  virtual void OpenFileManager(std::string_view parameters) = 0;
  // Replaces the text of the window's preview box.
  virtual void SetPreviewText(std::string_view text) = 0;
};

}  // namespace tessarine
