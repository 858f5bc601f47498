#include "files/locked_update.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "files/bounded_read.h"
#include "files/last_error.h"
#include "files/replace_file.h"

namespace tessarine {
namespace {

// Holds a file's lock for as long as it lives.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file) {
    // Never through a link: one planted where the lock goes would have us
    // create or lock a file anywhere the user may write.
    fd_ = ::open(LockPath(file).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ < 0) {
      error_ = LastError();
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      // Some FUSE file systems take no locks: a lone writer still writes.
      if (errno != ENOLCK && errno != EOPNOTSUPP && errno != ENOSYS) error_ = LastError();
      break;
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  std::error_code error() const { return error_; }

 private:
  int fd_ = -1;
  std::error_code error_;
};

}  // namespace

std::filesystem::path LockPath(const std::filesystem::path& file) {
  std::string name = ".";
  name.append(file.filename().string()).append(".lock");
  return file.parent_path() / name;
}

LockedUpdate UpdateLockedFile(const std::filesystem::path& path, const TextChange& change) {
  LockedUpdate update;
  std::error_code ignored;
  if (!path.parent_path().empty()) std::filesystem::create_directories(path.parent_path(), ignored);
  const FileLock lock(path);
  if (lock.error()) {
    update.error = lock.error();
    return update;
  }
  FileBytes before = ReadBoundedFile(path);
  if (before.error) {
    update.error = before.error;
    return update;
  }
  update.bytes = before.bytes.value_or("");
  std::string after = update.bytes;
  if (change(after) == ChangeOutcome::Refuse) {
    update.outcome = LockedUpdate::Outcome::Refused;
    return update;
  }
  if (before.bytes && after == *before.bytes) {
    update.outcome = LockedUpdate::Outcome::Unchanged;
    return update;
  }
  const WrittenFile written = ReplaceFile(path, after);
  if (written.error) {
    update.error = written.error;
    return update;
  }
  update.outcome = LockedUpdate::Outcome::Saved;
  update.bytes = std::move(after);
  return update;
}

}  // namespace tessarine
