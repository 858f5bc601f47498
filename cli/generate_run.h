// Runs the generation pipeline for a command and reports each file as it is
// written: its path on standard output, or a line naming it and the system's
// reason on standard error (or that it would hold no event, and is no
// calendar). Control characters in a path are shown as codes. Ctrl-C, SIGTERM and SIGHUP are held back while a
// file is written, so an interrupted run ends between two files.
#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "export/generate.h"

namespace tessarine::cli {

// 0 when every file was written, 1 when one could not be or held no event.
// A failed file does not stop the ones after it.
int RunGeneration(const GenerateRequest& request, const std::filesystem::path& folder, std::string_view command,
                  std::ostream& out, std::ostream& err);

}  // namespace tessarine::cli
