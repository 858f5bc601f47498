#include "lists/list_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/last_error.h"
#include "files/replace_file.h"

namespace tessarine {
namespace {

// Holds the list's lock for as long as it lives.
class ListLock {
 public:
  explicit ListLock(const std::filesystem::path& list) {
    // Never through a link: one planted where the lock goes would have us
    // create or lock a file anywhere the user may write.
    fd_ = ::open(ListLockPath(list).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
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
  ~ListLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  ListLock(const ListLock&) = delete;
  ListLock& operator=(const ListLock&) = delete;
  std::error_code error() const { return error_; }

 private:
  int fd_ = -1;
  std::error_code error_;
};

}  // namespace

std::filesystem::path ListLockPath(const std::filesystem::path& list) {
  std::string name = ".";
  name.append(list.filename().string()).append(".lock");
  return list.parent_path() / name;
}

const std::error_category& ListReadCategory() {
  static const struct : std::error_category {
    const char* name() const noexcept override { return "tessarine list read"; }
    std::string message(int code) const override {
      switch (static_cast<ListReadRefusal>(code)) {
        case ListReadRefusal::NotAFile: return "not a regular file";
        case ListReadRefusal::TooLarge: return "larger than 10 MB";
      }
      return "unknown refusal";
    }
  } category;
  return category;
}

std::error_code make_error_code(ListReadRefusal refusal) { return {static_cast<int>(refusal), ListReadCategory()}; }

std::variant<std::optional<std::string>, std::error_code> ReadListBytes(const std::filesystem::path& path) {
  using Read = std::variant<std::optional<std::string>, std::error_code>;
  // O_NONBLOCK: opening a named pipe would otherwise wait for a writer
  // before the check below could refuse it. It changes nothing for a
  // regular file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? Read(std::nullopt) : Read(LastError());
  const auto refuse = [fd](std::error_code error) {
    ::close(fd);
    return Read(error);
  };
  struct stat status {};
  if (::fstat(fd, &status) != 0) return refuse(LastError());
  if (!S_ISREG(status.st_mode)) return refuse(make_error_code(ListReadRefusal::NotAFile));
  if (static_cast<std::uintmax_t>(status.st_size) > kMostListBytes) {
    return refuse(make_error_code(ListReadRefusal::TooLarge));
  }
  // Read to one byte past the limit: a file still growing is refused there.
  std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
  std::size_t got = 0;
  while (true) {
    if (got == bytes.size()) {
      if (bytes.size() > kMostListBytes) return refuse(make_error_code(ListReadRefusal::TooLarge));
      bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMostListBytes + 1));
    }
    const ssize_t read = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return refuse(LastError());
    if (read == 0) break;
    got += static_cast<std::size_t>(read);
  }
  ::close(fd);
  bytes.resize(got);
  return Read(std::move(bytes));
}

ListUpdate UpdateTextFile(const std::filesystem::path& path, const TextChange& change) {
  ListUpdate update;
  std::error_code ignored;
  if (!path.parent_path().empty()) std::filesystem::create_directories(path.parent_path(), ignored);
  const ListLock lock(path);
  if (lock.error()) {
    update.error = lock.error();
    return update;
  }
  auto read = ReadListBytes(path);
  if (const auto* error = std::get_if<std::error_code>(&read)) {
    update.error = *error;
    return update;
  }
  const std::optional<std::string>& before = std::get<std::optional<std::string>>(read);
  update.bytes = before.value_or("");
  std::string after = update.bytes;
  if (change(after) == ChangeOutcome::Refuse) {
    update.status = ListUpdate::Status::Refused;
    return update;
  }
  if (before && after == *before) {
    update.status = ListUpdate::Status::Unchanged;
    return update;
  }
  const WrittenFile written = ReplaceFile(path, after);
  if (written.error) {
    update.error = written.error;
    return update;
  }
  update.status = ListUpdate::Status::Saved;
  update.bytes = std::move(after);
  return update;
}

ListUpdate UpdateListFile(const std::filesystem::path& path, const ListChange& change) {
  std::optional<ListProblem> problem;
  ListUpdate update = UpdateTextFile(path, [&](std::string& bytes) {
    LoadedList current;
    if (!bytes.empty()) {
      auto loaded = LoadList(bytes);
      if (const auto* notAList = std::get_if<ListProblem>(&loaded)) {
        problem = *notAList;
        return ChangeOutcome::Refuse;
      }
      current = std::move(std::get<LoadedList>(loaded));
    }
    if (change(current) == ChangeOutcome::Refuse) return ChangeOutcome::Refuse;
    bytes = SavedListBytes(current);
    return ChangeOutcome::Apply;
  });
  if (problem) {
    update.status = ListUpdate::Status::NotAList;
    update.problem = problem;
  }
  return update;
}

}  // namespace tessarine
