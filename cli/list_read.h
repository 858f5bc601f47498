// A list a command reads (holidays.csv, an anniversary list) within the
// limits every list has: a regular file of at most 10 MB. A refusal names
// the file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessarine::cli {

// The file's bytes, nothing when it does not exist. Throws UsageError
// naming the file for one that cannot be read, is not a regular file (a
// folder, a named pipe, a device) or is larger than kMostBytesRead; `kind`
// says what it should have been: "'FILE' is larger than 10 MB: not KIND".
std::optional<std::string> ReadCommandList(const std::filesystem::path& path, std::string_view kind);

}  // namespace tessarine::cli
