#include "lists/replace_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>

#include "lists/deferred_signals.h"

namespace tessarine {
namespace {

constexpr std::string_view kTemporaryMark = ".tessarine-";

std::error_code LastError() { return {errno, std::system_category()}; }

class ReplaceCategoryImpl : public std::error_category {
 public:
  const char* name() const noexcept override { return "tessarine-replace"; }
  std::string message(int) const override { return "the file is read-only"; }
};

// The file a path names: links followed, however many, to a target that
// may not exist yet.
std::filesystem::path Target(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target;
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

void RemoveLeftovers(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const pid_t writer = WriterOf(name);
    if (writer == 0 || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
    std::error_code ignored;
    // A writer killed between reserving its name and renaming onto it left
    // that name empty: the reservation goes with the temporary.
    const std::filesystem::path reserved = folder / name.substr(1, name.rfind(kTemporaryMark) - 1);
    if (std::filesystem::is_regular_file(reserved, ignored) && std::filesystem::file_size(reserved, ignored) == 0) {
      std::filesystem::remove(reserved, ignored);
    }
    std::filesystem::remove(it->path(), ignored);
  }
}

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
  const std::filesystem::path target = Target(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // Checked by its permissions, not by access(): root may write anything,
  // but a file nobody may write is one its owner means to keep.
  if (exists && (old.st_mode & 0222) == 0) return {path, make_error_code(ReplaceRefusal::ReadOnly)};
  const DeferredSignals deferred;
  RemoveLeftovers(target.parent_path().empty() ? "." : target.parent_path());
  const std::string temporary = (target.parent_path() / TemporaryName(target.filename().string(), ::getpid())).string();
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return {path, LastError()};
  WrittenFile result{path, {}};
  // FAT keeps no permissions and may refuse to be asked: not a reason to fail.
  if (exists) (void)::fchmod(fd, old.st_mode & 07777);
  result.error = WriteAll(fd, text);
  if (::close(fd) != 0 && !result.error) result.error = LastError();
  if (!result.error && std::rename(temporary.c_str(), target.c_str()) != 0) result.error = LastError();
  if (result.error) ::unlink(temporary.c_str());
  return result;
}

}  // namespace tessarine
