// Writing a calendar file so that it is never half-written, never left
// behind as a stray temporary, and never replaces another file.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace tessarine {

struct WrittenFile {
  std::filesystem::path path;  // the name actually taken, when written
  std::error_code error;       // the system's reason, when not
};

// Writes `bytes` into `folder` under `name`, or, when that name is taken,
// under the first free one of name-2, name-3, ... (before the extension).
// The bytes reach the disk before the name appears, and taking a name
// refuses an existing file, so two writers never overwrite each other. On
// Linux the file is unnamed until complete, so even a killed writer leaves
// nothing; where the file system refuses that, a named temporary file is
// used and removed on every failure.
WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes);

// The same, always through a named temporary file.
WrittenFile WriteNewFileThroughTemporary(const std::filesystem::path& folder, std::string_view name,
                                         std::string_view bytes);

// `name` with "-n" before its extension for n >= 2; `name` itself for 1.
std::string NumberedName(std::string_view name, int n);

}  // namespace tessarine
