// Reading a file the user keeps or hands over (a list, a holiday notice,
// settings.ini) whole, within a bound: only a regular file (or a link to
// one) of at most kMostBytesRead is read. A named pipe is refused without
// waiting for a writer, a device without reading it forever, and a file
// that grows while it is read is refused once it passes the bound.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

namespace tessarine {

// The most such a file may hold: a list of a few kilobytes is large, and
// 10 MB keeps a file that is no list (a log, a video renamed) from filling
// the memory.
inline constexpr std::uintmax_t kMostBytesRead = std::uintmax_t{10} << 20;

// Why a file was not read, beside the system's reasons.
enum class ReadRefusal {
  NotAFile = 1,  // a folder, a named pipe, a device: reading it could wait or run forever
  TooLarge,      // more than kMostBytesRead
};
const std::error_category& ReadCategory();
std::error_code make_error_code(ReadRefusal refusal);

struct FileBytes {
  std::optional<std::string> bytes;  // nothing when there is no such file
  std::error_code error;             // why it was not read
};

FileBytes ReadBoundedFile(const std::filesystem::path& path);

}  // namespace tessarine

template <>
struct std::is_error_code_enum<tessarine::ReadRefusal> : std::true_type {};
