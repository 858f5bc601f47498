// Writing a calendar file so that it is never left half-written.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace tessarine {

// Writes `bytes` to a temporary file in the target's folder, flushes it to
// disk and renames it over `path`. On failure returns the system's reason,
// after removing the temporary file; an existing file at `path` is then
// untouched.
std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessarine
