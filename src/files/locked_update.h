// Changing a text file the user keeps without ever losing a line: several
// programs may change it at the same time (two windows, the command line,
// the user's own editor).
//
// Every change takes an exclusive lock (flock on a hidden lock file beside
// the file, which FAT honours as well; where a FUSE file system takes no
// locks at all, a lone writer still writes), reads the file as it is now
// (as files/bounded_read.h reads), applies the change to that text, and
// replaces the file in one step (files/replace_file.h). A change made
// against an older copy is never written over a newer file: the change
// sees the current text and may refuse.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace tessarine {

enum class ChangeOutcome { Apply, Refuse };

// Edits the bytes as they are now (empty when there is no file).
using TextChange = std::function<ChangeOutcome(std::string& bytes)>;

struct LockedUpdate {
  enum class Outcome {
    Saved,      // the change is on disk
    Unchanged,  // the change left the text as it was: nothing written
    Refused,    // the change refused the current text: nothing written
  } outcome = Outcome::Refused;
  std::string bytes;      // the file's bytes now
  std::error_code error;  // locking, reading or writing failed: nothing written, and no outcome
};

LockedUpdate UpdateLockedFile(const std::filesystem::path& path, const TextChange& change);

// The lock file of `file`: ".<name>.lock" beside it.
std::filesystem::path LockPath(const std::filesystem::path& file);

}  // namespace tessarine
