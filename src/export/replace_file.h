// Replacing a file the user keeps (the holiday list) so that it is never
// half-written: the new text goes into a temporary file beside it, reaches
// the disk, and takes the old one's place in one step.
#pragma once

#include <filesystem>
#include <string_view>

#include "export/new_file.h"

namespace tessarine {

// Writes `bytes` as `path`, replacing what was there. On failure the old
// file is untouched and no temporary file is left.
WrittenFile ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

// The same for `name` in `folder`, in the shape of WriteNewFile.
inline WrittenFile ReplaceFileIn(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return ReplaceFile(folder / std::string(name), bytes);
}

}  // namespace tessarine
