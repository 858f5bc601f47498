#include "files/new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "files/deferred_signals.h"
#include "files/last_error.h"

namespace tessarine {
namespace {

// Enough for every calendar file that can be generated in one second.
constexpr int kMostNames = 1000;

// The reasons a file system gives when it cannot do what the unnamed file
// or the hard link needs: the fallback is tried instead of failing.
bool Unsupported(int error) { return error == EOPNOTSUPP || error == EPERM || error == ENOSYS || error == EINVAL; }

// Readable too: where the file cannot be named, its text is read back to
// write it the other way.
int OpenUnnamed(const char* folder, mode_t mode) { return ::open(folder, O_TMPFILE | O_RDWR | O_CLOEXEC, mode); }
int RenameNoReplace(const char* from, const char* to) {
  return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

std::error_code WriteAllAndSync(int fd, const ByteSource& text) {
  for (std::string_view bytes = text(); !bytes.empty(); bytes = text()) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return LastError();
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  return ::fsync(fd) == 0 ? std::error_code{} : LastError();
}

// The text already written to `fd`, read back from its start in pieces.
ByteSource ReadBack(int fd) {
  auto buffer = std::make_shared<std::string>(std::size_t{1} << 20, '\0');
  return [fd, buffer, offset = off_t{0}]() mutable {
    for (;;) {
      const ssize_t got = ::pread(fd, buffer->data(), buffer->size(), offset);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return std::string_view();  // a read error ends the text short: the sync then fails it
      offset += got;
      return std::string_view(buffer->data(), static_cast<std::size_t>(got));
    }
  };
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

// Takes the first free numbered name for the complete file at `temporary`:
// by a link, else by a rename that replaces nothing, else by reserving the
// name with O_EXCL and renaming onto that empty reservation. Each way
// refuses a name that exists, so another file is never replaced. Before a
// reservation the temporary is renamed for the name it reserves, so that a
// killed run's pair is recognised and removed by the next.
WrittenFile TakeNameOfTemporary(const FileSystemCalls& calls, const std::filesystem::path& folder,
                                std::string_view name, std::string& temporary) {
  enum class Way { Link, RenameNoReplace, Reserve } way = Way::Link;
  return TakeFreeName(folder, name, [&](const char* target) {
    if (way == Way::Link) {
      if (calls.linkAt(AT_FDCWD, temporary.c_str(), AT_FDCWD, target, 0) == 0) return 0;
      if (errno == EEXIST || !Unsupported(errno)) return -1;
      way = Way::RenameNoReplace;
    }
    if (way == Way::RenameNoReplace) {
      if (calls.renameNoReplace(temporary.c_str(), target) == 0) return 0;
      if (errno == EEXIST || !Unsupported(errno)) return -1;
      way = Way::Reserve;
    }
    const std::filesystem::path wanted(target);
    const std::string renamed = (folder / TemporaryName(wanted.filename().string(), ::getpid())).string();
    if (std::rename(temporary.c_str(), renamed.c_str()) != 0) return -1;
    temporary = renamed;
    const int reservation = ::open(target, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (reservation < 0) return -1;
    ::close(reservation);
    if (std::rename(temporary.c_str(), target) == 0) return 0;
    const int error = errno;
    ::unlink(target);  // our own empty reservation
    errno = error;
    return -1;
  });
}

// Writes through a named temporary file, taking the name by a link or, where
// links are refused, by a rename that replaces nothing.
WrittenFile WriteThroughTemporary(const FileSystemCalls& calls, const std::filesystem::path& folder,
                                  std::string_view name, const ByteSource& text) {
  // A named temporary must not outlive a termination: it waits for the file.
  const DeferredSignals deferred;
  RemoveLeftovers(folder);
  // Created as any new file is, so the kernel applies the user's umask: a
  // calendar file is an ordinary document.
  OpenTemporary temporary = CreateTemporary(folder, name, 0666);
  if (temporary.error) return {folder / std::string(name), temporary.error};
  WrittenFile result{folder / std::string(name), WriteAllAndSync(temporary.fd, text)};
  if (!result.error) result = TakeNameOfTemporary(calls, folder, name, temporary.path);
  ::unlink(temporary.path.c_str());  // after a link; a renamed file has left the name
  // Closed, and so unlocked, only once its name is gone: until then its lock
  // keeps it from other runs' clean-up.
  if (::close(temporary.fd) != 0 && !result.error) result.error = LastError();
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

UnnamedFile::UnnamedFile(UnnamedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_), unsupported_(other.unsupported_) {}

UnnamedFile& UnnamedFile::operator=(UnnamedFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
    unsupported_ = other.unsupported_;
  }
  return *this;
}

UnnamedFile::~UnnamedFile() {
  if (fd_ >= 0) ::close(fd_);
}

UnnamedFile WriteUnnamed(const FileSystemCalls& calls, const std::filesystem::path& folder, const ByteSource& text) {
  UnnamedFile file;
  // An unnamed file leaves nothing behind when the program is ended while
  // writing it, and naming it is one step: no signal needs to wait here.
  file.fd_ = calls.openUnnamed(folder.c_str(), 0666);
  if (file.fd_ < 0) {
    // Unnamed files are refused by some file systems; any other reason is
    // the folder's own and is reported as it is.
    file.unsupported_ = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
    file.error_ = LastError();
    return file;
  }
  file.error_ = WriteAllAndSync(file.fd_, text);
  return file;
}

WrittenFile NameNewFile(const FileSystemCalls& calls, UnnamedFile& file, const std::filesystem::path& folder,
                        std::string_view name) {
  WrittenFile result{folder / std::string(name), file.error_};
  if (file.fd_ < 0 || result.error) return result;
  const std::string self = "/proc/self/fd/" + std::to_string(file.fd_);
  result = TakeFreeName(folder, name, [&](const char* target) {
    return calls.linkAt(AT_FDCWD, self.c_str(), AT_FDCWD, target, AT_SYMLINK_FOLLOW);
  });
  // exFAT refuses the link that names the file, and without /proc (a chroot,
  // some containers) there is no name to link it from: write it the other
  // way, from the text the unnamed file already holds. A folder that has
  // gone fails that way too, with its own reason.
  const int error = result.error.category() == std::system_category() ? result.error.value() : 0;
  if (Unsupported(error) || error == ENOENT || error == ENOTDIR) {
    result = WriteThroughTemporary(calls, folder, name, ReadBack(file.fd_));
  }
  if (::close(std::exchange(file.fd_, -1)) != 0 && !result.error) result.error = LastError();
  return result;
}

WrittenFile WriteNewFileUsing(const FileSystemCalls& calls, const std::filesystem::path& folder,
                              std::string_view name, const ByteSource& text) {
  UnnamedFile file = WriteUnnamed(calls, folder, text);
  if (file.Unsupported()) return WriteThroughTemporary(calls, folder, name, text);
  return NameNewFile(calls, file, folder, name);
}

WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
  return WriteNewFileUsing(kSystemCalls, folder, name, WholeText(bytes));
}

WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
  return WriteNewFileUsing(kSystemCalls, folder, name, text);
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace tessarine
