// Changing a file the user keeps (anniversaries.csv, holidays.csv and the
// window's settings.ini) without ever losing a row: the window,
// tessarine-cli and the user's own editor may all change it, at the same
// time too.
//
// Every change takes an exclusive lock (flock on a hidden lock file beside
// the list, which FAT honours as well), reads the file as it is now, applies
// the change to that text, and replaces the file in one step. A change made
// against an older copy is never written over a newer file: the caller's
// change sees the current list and may refuse.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <variant>

#include "lists/anniversary_list.h"

namespace tessarine {

// The most a list, a holiday notice or settings.ini may hold: a list of a
// few kilobytes is large, and 10 MB keeps a file that is no list (a log, a
// video renamed) from filling the memory.
inline constexpr std::uintmax_t kMostListBytes = std::uintmax_t{10} << 20;

// Why a file was not read, beside the system's reasons.
enum class ListReadRefusal {
  NotAFile = 1,  // a folder, a named pipe, a device: reading it could wait or run forever
  TooLarge,      // more than kMostListBytes
};
const std::error_category& ListReadCategory();
std::error_code make_error_code(ListReadRefusal refusal);

// The file's bytes, nothing when it does not exist, or the reason. Only a
// regular file (or a link to one) of at most kMostListBytes is read; a named
// pipe is refused without waiting for a writer, and a file that grows while
// it is read is refused once it passes the limit.
std::variant<std::optional<std::string>, std::error_code> ReadListBytes(const std::filesystem::path& path);

enum class ChangeOutcome { Apply, Refuse };

// The same for any text file: the change edits the bytes as they are now
// (empty when there is no file). Only NotAList is never its outcome.
struct ListUpdate;
using TextChange = std::function<ChangeOutcome(std::string& bytes)>;
ListUpdate UpdateTextFile(const std::filesystem::path& path, const TextChange& change);

// Applied to the list as it is on disk now (empty when there is none).
using ListChange = std::function<ChangeOutcome(LoadedList& current)>;

struct ListUpdate {
  enum class Status {
    Saved,      // the change is on disk
    Unchanged,  // the change left the text as it was: nothing written
    Refused,    // the change refused the current list: nothing written
    NotAList,   // the file on disk is not a list: nothing written
    Failed,     // locking, reading or writing failed: nothing written
  } status = Status::Failed;
  std::optional<ListProblem> problem;  // for NotAList
  std::error_code error;               // for Failed
  std::string bytes;                   // the file's bytes now
};

ListUpdate UpdateListFile(const std::filesystem::path& path, const ListChange& change);

// The lock file of a list: ".<name>.lock" beside it.
std::filesystem::path ListLockPath(const std::filesystem::path& list);

}  // namespace tessarine
