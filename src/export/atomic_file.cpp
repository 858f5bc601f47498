#include "export/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace tessarine {
namespace {

std::error_code LastError() { return {errno, std::system_category()}; }

std::error_code WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

}  // namespace

std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::string pattern = path.string() + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return LastError();
  // mkstemp creates the file for its owner only; a calendar file is an
  // ordinary document, readable as the user's umask allows.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  std::error_code error;
  if (::fchmod(fd, 0666 & ~mask) != 0) error = LastError();
  if (!error) error = WriteAll(fd, bytes);
  if (!error && ::fsync(fd) != 0) error = LastError();
  if (::close(fd) != 0 && !error) error = LastError();
  if (!error && std::rename(name.data(), path.c_str()) != 0) error = LastError();
  if (error) ::unlink(name.data());
  return error;
}

}  // namespace tessarine
