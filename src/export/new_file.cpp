#include "export/new_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>

namespace tessarine {
namespace {

// Enough for every calendar file that can be generated in one second.
constexpr int kMostNames = 1000;
constexpr std::string_view kTemporaryMark = ".tessarine-";

std::error_code LastError() { return {errno, std::system_category()}; }

// The reasons a file system gives when it cannot do what the unnamed file
// or the hard link needs: the fallback is tried instead of failing.
bool Unsupported(int error) { return error == EOPNOTSUPP || error == EPERM || error == ENOSYS || error == EINVAL; }

int OpenUnnamed(const char* folder, mode_t mode) { return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, mode); }
int RenameNoReplace(const char* from, const char* to) {
  return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

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

// Gives the complete file at `source` the first free numbered name. Both a
// link and a rename without replacing refuse an existing name, so the check
// and the taking are one step. `take` returns 0 or sets errno.
template <typename Take>
WrittenFile TakeFreeName(const std::filesystem::path& folder, std::string_view name, Take take) {
  for (int n = 1; n <= kMostNames; ++n) {
    const std::filesystem::path target = folder / NumberedName(name, n);
    if (take(target.c_str()) == 0) return {target, {}};
    if (errno != EEXIST) return {target, LastError()};
  }
  return {folder / std::string(name), std::make_error_code(std::errc::file_exists)};
}

// The process id in a name made by TemporaryName, or 0.
pid_t WriterOf(std::string_view fileName) {
  const std::size_t mark = fileName.rfind(kTemporaryMark);
  if (!fileName.starts_with('.') || mark == std::string_view::npos) return 0;
  const std::string_view rest = fileName.substr(mark + kTemporaryMark.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
  const bool shaped = error == std::errc{} && pid > 0 && rest.size() - static_cast<std::size_t>(end - rest.data()) == 7;
  return shaped && *end == '-' ? pid : 0;
}

// Removes the named temporary files that killed runs left in `folder`:
// those of our own pattern whose process no longer exists. Nothing here may
// fail a write, so errors are ignored.
void RemoveLeftovers(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const pid_t writer = WriterOf(it->path().filename().native());
    if (writer != 0 && ::kill(writer, 0) != 0 && errno == ESRCH) {
      std::error_code ignored;
      std::filesystem::remove(it->path(), ignored);
    }
  }
}

// Writes through a named temporary file, taking the name by a link or, where
// links are refused, by a rename that replaces nothing.
WrittenFile WriteThroughTemporary(const FileSystemCalls& calls, const std::filesystem::path& folder,
                                  std::string_view name, std::string_view bytes) {
  RemoveLeftovers(folder);
  // Created as any new file is, so the kernel applies the user's umask: a
  // calendar file is an ordinary document.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < kMostNames && fd < 0; ++attempt) {
    temporary = (folder / TemporaryName(name, ::getpid())).string();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return {folder / std::string(name), LastError()};
  }
  if (fd < 0) return {folder / std::string(name), std::make_error_code(std::errc::file_exists)};
  WrittenFile result{folder / std::string(name), WriteAllAndSync(fd, bytes)};
  if (::close(fd) != 0 && !result.error) result.error = LastError();
  if (!result.error) {
    bool linksRefused = false;
    result = TakeFreeName(folder, name, [&](const char* target) {
      if (!linksRefused && calls.linkAt(AT_FDCWD, temporary.c_str(), AT_FDCWD, target, 0) == 0) return 0;
      if (!linksRefused && (errno == EEXIST || !Unsupported(errno))) return -1;
      linksRefused = true;
      return calls.renameNoReplace(temporary.c_str(), target);
    });
  }
  ::unlink(temporary.c_str());  // after a link; a renamed file has left the name
  return result;
}

}  // namespace

const FileSystemCalls kSystemCalls = {OpenUnnamed, ::linkat, RenameNoReplace};

std::string NumberedName(std::string_view name, int n) {
  if (n <= 1) return std::string(name);
  const std::size_t dot = name.rfind('.');
  const std::size_t at = dot == std::string_view::npos ? name.size() : dot;
  return std::string(name.substr(0, at)) + "-" + std::to_string(n) + std::string(name.substr(at));
}

std::string TemporaryName(std::string_view name, pid_t pid) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string temporary = ".";
  temporary.append(name).append(kTemporaryMark).append(std::to_string(pid)).append("-");
  for (int i = 0; i < 6; ++i) temporary += kLetters[pick(random)];
  return temporary;
}

WrittenFile WriteNewFileUsing(const FileSystemCalls& calls, const std::filesystem::path& folder,
                              std::string_view name, std::string_view bytes) {
  const int fd = calls.openUnnamed(folder.c_str(), 0666);
  if (fd < 0) {
    // Unnamed files are refused by some file systems; any other reason is
    // the folder's own and is reported as it is.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return WriteThroughTemporary(calls, folder, name, bytes);
    return {folder / std::string(name), LastError()};
  }
  WrittenFile result{folder / std::string(name), WriteAllAndSync(fd, bytes)};
  bool linksRefused = false;
  if (!result.error) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    result = TakeFreeName(folder, name, [&](const char* target) {
      return calls.linkAt(AT_FDCWD, self.c_str(), AT_FDCWD, target, AT_SYMLINK_FOLLOW);
    });
    // exFAT refuses the link that names the file: write it the other way.
    linksRefused = result.error && Unsupported(result.error.value());
  }
  if (::close(fd) != 0 && !result.error) result.error = LastError();
  return linksRefused ? WriteThroughTemporary(calls, folder, name, bytes) : result;
}

WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kSystemCalls, folder, name, bytes);
}

WrittenFile WriteNewFileThroughTemporary(const std::filesystem::path& folder, std::string_view name,
                                         std::string_view bytes) {
  return WriteThroughTemporary(kSystemCalls, folder, name, bytes);
}

}  // namespace tessarine
