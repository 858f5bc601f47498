// Changing a list the user keeps (anniversaries.csv, holidays.csv) without
// ever losing a row: the change is applied, under the file's lock, to the
// list as it is on disk now (files/locked_update.h), so that the window,
// tessarine-cli and the user's own editor may all change it, at the same
// time too. A file on disk that is no list is never saved over.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "calendar/result.h"
#include "files/locked_update.h"
#include "lists/anniversary_list.h"

namespace tessarine {

// Applied to the list as it is on disk now (empty when there is none).
using ListChange = std::function<ChangeOutcome(LoadedList& current)>;

// What became of a change: saved, left as it was, or refused by the change
// itself; and the file's bytes now.
struct ListUpdate {
  LockedUpdate::Outcome outcome;
  std::string bytes;
};

// Why nothing was written.
struct ListUpdateError {
  enum class Kind {
    NotAList,  // the file on disk is not a list: `problem` says why
    Failed,    // locking, reading or writing failed: `error` is the system's reason
  } kind;
  ListProblem problem{};
  std::error_code error;
};

Result<ListUpdate, ListUpdateError> UpdateListFile(const std::filesystem::path& path, const ListChange& change);

}  // namespace tessarine
