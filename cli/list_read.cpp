#include "cli/list_read.h"

#include <fmt/format.h>

#include "cli/arguments.h"
#include "lists/list_file.h"

namespace tessarine::cli {

std::optional<std::string> ReadCommandList(const std::filesystem::path& path, std::string_view kind) {
  auto read = ReadListBytes(path);
  const auto* error = std::get_if<std::error_code>(&read);
  if (error == nullptr) return std::move(std::get<std::optional<std::string>>(read));
  const std::string file = Quoted(path.string());
  if (*error == make_error_code(ListReadRefusal::NotAFile)) throw UsageError(file + " is not a file");
  if (*error == make_error_code(ListReadRefusal::TooLarge)) {
    throw UsageError(fmt::format("{} is larger than {} MB: not {}", file, kMostListBytes >> 20, kind));
  }
  throw UsageError("cannot read " + file + ": " + error->message());
}

}  // namespace tessarine::cli
