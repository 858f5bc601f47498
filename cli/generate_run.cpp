#include "cli/generate_run.h"

#include "cli/arguments.h"
#include "cli/local_clock.h"

namespace tessarine::cli {

int RunGeneration(const GenerateRequest& request, const std::filesystem::path& folder, std::string_view command,
                  std::ostream& out, std::ostream& err) {
  int status = 0;
  GenerateOptions options;
  // A path holds whatever the folder's name holds: a line end or an escape
  // sequence is shown as a code, never passed to the terminal.
  options.afterEach = [&](const WrittenFile& file) {
    const std::string path = EscapeControls(file.path.string());
    if (file.error == make_error_code(GenerateRefusal::NoEvent)) {
      // As an empty template is refused: a file with no event is no calendar.
      err << "tessarine-cli " << command << ": no event to write into " << path
          << ": a file with no event is no calendar, nothing written\n";
      status = 1;
    } else if (file.error) {
      err << "tessarine-cli " << command << ": cannot write " << path << ": " << file.error.message() << "\n";
      status = 1;
    } else {
      out << path << "\n";
    }
    return AfterFile::Continue;
  };
  Generate(request, folder, LocalNow(), options);
  return status;
}

}  // namespace tessarine::cli
