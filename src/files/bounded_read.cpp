#include "files/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/last_error.h"

namespace tessarine {

const std::error_category& ReadCategory() {
  static const struct : std::error_category {
    const char* name() const noexcept override { return "tessarine bounded read"; }
    std::string message(int code) const override {
      switch (static_cast<ReadRefusal>(code)) {
        case ReadRefusal::NotAFile: return "not a regular file";
        case ReadRefusal::TooLarge: return "larger than 10 MB";
      }
      return "unknown refusal";
    }
  } category;
  return category;
}

std::error_code make_error_code(ReadRefusal refusal) { return {static_cast<int>(refusal), ReadCategory()}; }

FileBytes ReadBoundedFile(const std::filesystem::path& path) {
  // O_NONBLOCK: opening a named pipe would otherwise wait for a writer
  // before the check below could refuse it. It changes nothing for a
  // regular file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? FileBytes{} : FileBytes{std::nullopt, LastError()};
  const auto refuse = [fd](std::error_code error) {
    ::close(fd);
    return FileBytes{std::nullopt, error};
  };
  struct stat status {};
  if (::fstat(fd, &status) != 0) return refuse(LastError());
  if (!S_ISREG(status.st_mode)) return refuse(ReadRefusal::NotAFile);
  if (static_cast<std::uintmax_t>(status.st_size) > kMostBytesRead) return refuse(ReadRefusal::TooLarge);
  // Read to one byte past the bound: a file still growing is refused there.
  std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
  std::size_t got = 0;
  while (true) {
    if (got == bytes.size()) {
      if (bytes.size() > kMostBytesRead) return refuse(ReadRefusal::TooLarge);
      bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMostBytesRead + 1));
    }
    const ssize_t read = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return refuse(LastError());
    if (read == 0) break;
    got += static_cast<std::size_t>(read);
  }
  ::close(fd);
  bytes.resize(got);
  return FileBytes{std::move(bytes), {}};
}

}  // namespace tessarine
