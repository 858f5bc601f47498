#include "export/new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace tessarine {
namespace {

// Enough for every calendar file that can be generated in one second.
constexpr int kMostNames = 1000;

std::error_code LastError() { return {errno, std::system_category()}; }

std::error_code WriteAllAndSync(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return ::fsync(fd) == 0 ? std::error_code{} : LastError();
}

// Gives the complete file at `source` the first free numbered name; link()
// refuses an existing name, so the check and the taking are one step.
WrittenFile LinkFreeName(const std::string& source, const std::filesystem::path& folder, std::string_view name,
                         int flags) {
  for (int n = 1; n <= kMostNames; ++n) {
    const std::filesystem::path target = folder / NumberedName(name, n);
    if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), flags) == 0) return {target, {}};
    if (errno != EEXIST) return {target, LastError()};
  }
  return {folder / std::string(name), std::make_error_code(std::errc::file_exists)};
}

// ".<name>.XXXXXX" with six random letters and digits: hidden, and unlikely
// to be taken.
std::string TemporaryName(std::string_view name) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string temporary = ".";
  temporary.append(name).append(".");
  for (int i = 0; i < 6; ++i) temporary += kLetters[pick(random)];
  return temporary;
}

}  // namespace

std::string NumberedName(std::string_view name, int n) {
  if (n <= 1) return std::string(name);
  const std::size_t dot = name.rfind('.');
  const std::size_t at = dot == std::string_view::npos ? name.size() : dot;
  return std::string(name.substr(0, at)) + "-" + std::to_string(n) + std::string(name.substr(at));
}

WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    // Unnamed files are refused by some file systems; any other reason is
    // the folder's own and is reported as it is.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
      return WriteNewFileThroughTemporary(folder, name, bytes);
    }
    return {folder / std::string(name), LastError()};
  }
  WrittenFile result{folder / std::string(name), WriteAllAndSync(fd, bytes)};
  if (!result.error) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    result = LinkFreeName(self, folder, name, AT_SYMLINK_FOLLOW);
  }
  if (::close(fd) != 0 && !result.error) result.error = LastError();
  return result;
}

WrittenFile WriteNewFileThroughTemporary(const std::filesystem::path& folder, std::string_view name,
                                         std::string_view bytes) {
  // Created as any new file is, so the kernel applies the user's umask: a
  // calendar file is an ordinary document.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < kMostNames && fd < 0; ++attempt) {
    temporary = (folder / TemporaryName(name)).string();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return {folder / std::string(name), LastError()};
  }
  if (fd < 0) return {folder / std::string(name), std::make_error_code(std::errc::file_exists)};
  WrittenFile result{folder / std::string(name), WriteAllAndSync(fd, bytes)};
  if (::close(fd) != 0 && !result.error) result.error = LastError();
  if (!result.error) result = LinkFreeName(temporary, folder, name, 0);
  ::unlink(temporary.c_str());
  return result;
}

}  // namespace tessarine
