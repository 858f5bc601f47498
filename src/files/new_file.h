// Writing a calendar file so that it is never half-written, never left
// behind as a stray temporary, and never replaces another file.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "files/replace_file.h"

namespace tessarine {

// Writes `bytes` into `folder` under `name`, or, when that name is taken,
// under the first free one of name-2, name-3, ... (before the extension).
// The bytes reach the disk before the name appears, and taking a name
// refuses an existing file, so two writers never overwrite each other.
//
// The file is unnamed until complete, so even a killed writer leaves
// nothing. Where the file system cannot do that (FAT and exFAT on USB
// sticks and SD cards, some FUSE and network file systems), or where there
// is no /proc to name the unnamed file by (a chroot, some containers), a
// named temporary file is created and moved into place without replacing
// anything: by a link, by a rename that refuses to replace, or, where the
// file system refuses both (FAT and exFAT through FUSE), by reserving the
// name as an empty file that only this writer then renames onto. The
// temporary is locked while it exists and removed on every failure, and the
// leftovers of a killed run, a reservation included, are removed by the
// next run; never a temporary another run still writes.
WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes);
// The same, the text taken piece by piece.
WrittenFile WriteNewFile(const std::filesystem::path& folder, std::string_view name, const ByteSource& text);

// fsyncs the folder, so that the names of the files renamed into it survive a
// power cut. Each file's bytes were synced before its rename; a folder that
// cannot be synced (gone, or a file system without it) is left as it is.
void SyncFolder(const std::filesystem::path& folder);

// The system calls that decide which way a file is written. Tests replace
// them with calls that fail as a FAT file system does.
struct FileSystemCalls {
  int (*openUnnamed)(const char* folder, mode_t mode);             // open(O_TMPFILE)
  int (*linkAt)(int, const char*, int, const char*, int);          // linkat
  int (*renameNoReplace)(const char* from, const char* to);       // renameat2(RENAME_NOREPLACE)
};
extern const FileSystemCalls kSystemCalls;

WrittenFile WriteNewFileUsing(const FileSystemCalls& calls, const std::filesystem::path& folder,
                              std::string_view name, const ByteSource& text);

// A new file's bytes, written and synced in its folder where no name shows
// them yet: WriteNewFile in two steps, so that a batch can write its files
// on several threads and name them in order on one. Closing it without a
// name leaves nothing behind.
class UnnamedFile {
 public:
  UnnamedFile() = default;
  UnnamedFile(UnnamedFile&& other) noexcept;
  UnnamedFile& operator=(UnnamedFile&& other) noexcept;
  ~UnnamedFile();

  // The folder's file system has no unnamed files (FAT, exFAT on some
  // kernels): nothing was written, and the text is still to write by
  // WriteNewFile, through a named temporary.
  bool Unsupported() const { return unsupported_; }

 private:
  friend UnnamedFile WriteUnnamed(const FileSystemCalls&, const std::filesystem::path&, const ByteSource&);
  friend WrittenFile NameNewFile(const FileSystemCalls&, UnnamedFile&, const std::filesystem::path&,
                                 std::string_view);
  int fd_ = -1;
  std::error_code error_;  // why the bytes could not be written
  bool unsupported_ = false;
};

// The first step: the text into an unnamed file in `folder`, synced.
UnnamedFile WriteUnnamed(const FileSystemCalls& calls, const std::filesystem::path& folder, const ByteSource& text);
// The second: the file, or why it could not be written, under the first
// free numbered name of `name`, as WriteNewFile names it; where links are
// refused, it is written the other way from its own bytes. The file is
// closed.
WrittenFile NameNewFile(const FileSystemCalls& calls, UnnamedFile& file, const std::filesystem::path& folder,
                        std::string_view name);

// `name` with "-n" before its extension for n >= 2; `name` itself for 1.
std::string NumberedName(std::string_view name, int n);

}  // namespace tessarine
