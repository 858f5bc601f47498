#include "export/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace tessarine {
namespace {

std::error_code LastError() { return {errno, std::system_category()}; }

}  // namespace

WrittenFile ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::string temporary = (path.parent_path() / TemporaryName(path.filename().string(), ::getpid())).string();
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return {path, LastError()};
  WrittenFile result{path, {}};
  for (std::string_view rest = bytes; !rest.empty() && !result.error;) {
    const ssize_t written = ::write(fd, rest.data(), rest.size());
    if (written < 0 && errno != EINTR) result.error = LastError();
    if (written > 0) rest.remove_prefix(static_cast<std::size_t>(written));
  }
  if (!result.error && ::fsync(fd) != 0) result.error = LastError();
  if (::close(fd) != 0 && !result.error) result.error = LastError();
  if (!result.error && std::rename(temporary.c_str(), path.c_str()) != 0) result.error = LastError();
  if (result.error) ::unlink(temporary.c_str());
  return result;
}

}  // namespace tessarine
