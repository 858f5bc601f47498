#include "cli/list_read.h"

#include <fmt/format.h>

#include "cli/arguments.h"
#include "files/bounded_read.h"

namespace tessarine::cli {

std::optional<std::string> ReadCommandList(const std::filesystem::path& path, std::string_view kind) {
  FileBytes read = ReadBoundedFile(path);
  if (!read.error) return std::move(read.bytes);
  const std::string file = Quoted(path.string());
  if (read.error == ReadRefusal::NotAFile) throw UsageError(file + " is not a file");
  if (read.error == ReadRefusal::TooLarge) {
    throw UsageError(fmt::format("{} is larger than {} MB: not {}", file, kMostBytesRead >> 20, kind));
  }
  throw UsageError("cannot read " + file + ": " + read.error.message());
}

}  // namespace tessarine::cli
