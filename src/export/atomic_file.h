// Writing a calendar file so that it is never left half-written.
#pragma once

#include <string>
#include <string_view>

namespace tessarine {

// Writes `bytes` to a temporary file in the target's folder, flushes it to
// disk and renames it over `path`. Returns false on any failure, after
// removing the temporary file; an existing file at `path` is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tessarine
