#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/deferred_signals.h"
#include "files/last_error.h"

namespace tessarine {
namespace {

// As many links in a row as the kernel follows before it gives ELOOP.
constexpr int kMostLinks = 40;

class ReplaceCategoryImpl : public std::error_category {
 public:
  const char* name() const noexcept override { return "tessarine-replace"; }
  std::string message(int code) const override {
    switch (static_cast<ReplaceRefusal>(code)) {
      case ReplaceRefusal::ReadOnly: return "the file is read-only";
      case ReplaceRefusal::NotAFile: return "not a regular file (a device, a pipe or a socket), left as it is";
      case ReplaceRefusal::ForeignLink: return "a link another user made in a shared folder, not followed";
    }
    return "refused";
  }
};

// The file a path names, or why it is not followed there.
struct Resolved {
  std::filesystem::path path;
  std::error_code error;
};

// Whether the kernel would follow `link` (its lstat given) for this user:
// in a folder that is sticky and writable by all, only a link of the
// folder's owner or of the user.
bool MayFollow(const std::filesystem::path& link, const struct stat& linkStatus) {
  const std::filesystem::path folder = link.has_parent_path() ? link.parent_path() : ".";
  struct stat shared {};
  if (::stat(folder.c_str(), &shared) != 0) return false;
  if ((shared.st_mode & (S_ISVTX | S_IWOTH)) != (S_ISVTX | S_IWOTH)) return true;
  return linkStatus.st_uid == shared.st_uid || linkStatus.st_uid == ::geteuid();
}

// The file a path names: links followed one by one, each only where the
// kernel would follow it, to a target that may not exist yet. The folders
// on the way are the kernel's to resolve, with its own protection.
Resolved Target(const std::filesystem::path& path) {
  std::filesystem::path at = path;
  for (int links = 0;; ++links) {
    struct stat status {};
    if (::lstat(at.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return {at, {}};
    if (links == kMostLinks) return {path, std::make_error_code(std::errc::too_many_symbolic_link_levels)};
    if (!MayFollow(at, status)) return {at, make_error_code(ReplaceRefusal::ForeignLink)};
    std::error_code error;
    const std::filesystem::path to = std::filesystem::read_symlink(at, error);
    if (error) return {at, error};
    at = to.is_absolute() ? to : at.parent_path() / to;
  }
}

// Why the file now at `target` (its lstat given) is not replaced, if it is not.
std::error_code Refusal(const struct stat& old) {
  if (S_ISDIR(old.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  if (!S_ISREG(old.st_mode)) return make_error_code(ReplaceRefusal::NotAFile);
  // Checked by its permissions, not by access(): root may write anything,
  // but a file nobody may write is one its owner means to keep.
  if ((old.st_mode & 0222) == 0) return make_error_code(ReplaceRefusal::ReadOnly);
  return {};
}

std::error_code WriteAll(int fd, const ByteSource& text) {
  for (std::string_view bytes = text(); !bytes.empty(); bytes = text()) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return LastError();
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  return ::fsync(fd) == 0 ? std::error_code{} : LastError();
}

}  // namespace

const std::error_category& ReplaceCategory() {
  static const ReplaceCategoryImpl category;
  return category;
}

std::error_code make_error_code(ReplaceRefusal refusal) { return {static_cast<int>(refusal), ReplaceCategory()}; }

ByteSource WholeText(std::string_view bytes) {
  return [bytes, given = false]() mutable {
    const bool first = !given;
    given = true;
    return first ? bytes : std::string_view();
  };
}

WrittenFile ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  return ReplaceFile(path, WholeText(bytes));
}

WrittenFile ReplaceFile(const std::filesystem::path& path, const ByteSource& text) {
  const Resolved target = Target(path);
  if (target.error) return {target.error == ReplaceRefusal::ForeignLink ? target.path : path, target.error};
  struct stat old {};
  // The target is no link (a link put there since is replaced, not followed:
  // a rename never follows its last step).
  const bool exists = ::lstat(target.path.c_str(), &old) == 0;
  if (const std::error_code refused = exists ? Refusal(old) : std::error_code{}) return {path, refused};
  const std::filesystem::path folder = target.path.has_parent_path() ? target.path.parent_path() : ".";
  const DeferredSignals deferred;
  RemoveLeftovers(folder);
  // Created no more open than the old file, then given exactly its mode: the
  // text is never readable by more users than the old file was.
  const OpenTemporary temporary =
      CreateTemporary(folder, target.path.filename().string(), exists ? old.st_mode & 0777 : 0666);
  if (temporary.error) return {path, temporary.error};
  // FAT keeps no permissions and may refuse to be asked: not a reason to fail.
  if (exists) (void)::fchmod(temporary.fd, old.st_mode & 07777);
  WrittenFile result{path, WriteAll(temporary.fd, text)};
  if (!result.error && std::rename(temporary.path.c_str(), target.path.c_str()) != 0) result.error = LastError();
  if (result.error) ::unlink(temporary.path.c_str());
  // Closed, and so unlocked, only once its name is gone.
  if (::close(temporary.fd) != 0 && !result.error) result.error = LastError();
  return result;
}

}  // namespace tessarine
