#include "files/temporary_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <random>
#include <utility>

#include "files/last_error.h"

namespace tessarine {
namespace {

constexpr std::string_view kTemporaryMark = ".tessarine-";

// Names tried before giving up: random names collide only by chance.
constexpr int kMostTries = 100;

// Takes the writer's lock on a temporary just created. False when the
// temporary was already taken for a leftover: another run's clean-up holds
// it, or removed it between its creation and this lock.
bool LockForWriting(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    // Held: a clean-up is removing it. Any other reason is a file system
    // without locks, where the temporary's age protects it instead.
    return errno != EWOULDBLOCK;
  }
  struct stat held {};
  return ::fstat(fd, &held) == 0 && held.st_nlink > 0;
}

// Whether the temporary open as `fd` has a writer: its lock is held, or,
// on a file system without locks, it changed within kLeftoverAgeSeconds.
bool Written(int fd, int lock, const struct stat& status) {
  while (::flock(fd, lock | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) return true;
    const std::time_t changed = std::max(status.st_mtime, status.st_ctime);
    return std::time(nullptr) - changed < kLeftoverAgeSeconds;
  }
  return false;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the temporary `name` in `folder` when no run writes it, and the
// empty name its killed writer had reserved: a regular file of the same
// owner, never a link.
void RemoveIfLeftover(const std::filesystem::path& folder, const std::string& name) {
  const std::filesystem::path path = folder / name;
  // Not blocking on a named pipe, not following a link; read-only where it
  // may be, since a read lock is enough to see the writer's.
  int lock = LOCK_SH;
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == EACCES) {
    lock = LOCK_EX;
    fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  }
  if (fd < 0) return;
  struct stat held {}, named {};
  // The name must still be the file locked: a writer that finished between
  // the open and the lock has renamed it away.
  if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && !Written(fd, lock, held) &&
      ::lstat(path.c_str(), &named) == 0 && SameFile(held, named)) {
    const std::filesystem::path reserved = folder / name.substr(1, name.rfind(kTemporaryMark) - 1);
    struct stat reservation {};
    if (::lstat(reserved.c_str(), &reservation) == 0 && S_ISREG(reservation.st_mode) && reservation.st_size == 0 &&
        reservation.st_uid == held.st_uid) {
      ::unlink(reserved.c_str());
    }
    ::unlink(path.c_str());
  }
  ::close(fd);
}

}  // namespace

std::string TemporaryName(std::string_view name, pid_t pid) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string temporary = ".";
  temporary.append(name).append(kTemporaryMark).append(std::to_string(pid)).append("-");
  for (int i = 0; i < 6; ++i) temporary += kLetters[pick(random)];
  return temporary;
}

pid_t WriterOf(std::string_view fileName) {
  const std::size_t mark = fileName.rfind(kTemporaryMark);
  if (!fileName.starts_with('.') || mark == std::string_view::npos) return 0;
  const std::string_view rest = fileName.substr(mark + kTemporaryMark.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
  const bool shaped = error == std::errc{} && pid > 0 && rest.size() - static_cast<std::size_t>(end - rest.data()) == 7;
  return shaped && *end == '-' ? pid : 0;
}

OpenTemporary CreateTemporary(const std::filesystem::path& folder, std::string_view name, mode_t mode) {
  OpenTemporary temporary;
  for (int attempt = 0; attempt < kMostTries; ++attempt) {
    temporary.path = (folder / TemporaryName(name, ::getpid())).string();
    temporary.fd = ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (temporary.fd < 0 && errno == EEXIST) continue;
    if (temporary.fd < 0) {
      temporary.error = LastError();
      return temporary;
    }
    if (LockForWriting(temporary.fd)) return temporary;
    ::unlink(temporary.path.c_str());  // a clean-up's, or gone already
    ::close(std::exchange(temporary.fd, -1));
  }
  temporary.error = std::make_error_code(std::errc::file_exists);
  return temporary;
}

void RemoveLeftovers(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const pid_t writer = WriterOf(name);
    // A writer running here is seen without opening its file; one that is
    // not may still be running elsewhere, which only its lock tells.
    if (writer == 0 || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
    RemoveIfLeftover(folder, name);
  }
}

}  // namespace tessarine
