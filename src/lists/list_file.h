// Changing a list the user keeps (anniversaries.csv, holidays.csv) without
// ever losing a row: the change is applied, under the file's lock, to the
// list as it is on disk now (files/locked_update.h), so that the window,
// tessarine-cli and the user's own editor may all change it, at the same
// time too. A file on disk that is no list is never saved over.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

#include "files/locked_update.h"
#include "lists/anniversary_list.h"

namespace tessarine {

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

}  // namespace tessarine
