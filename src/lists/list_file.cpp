#include "lists/list_file.h"

namespace tessarine {

ListUpdate UpdateListFile(const std::filesystem::path& path, const ListChange& change) {
  std::optional<ListProblem> problem;
  const LockedUpdate locked = UpdateLockedFile(path, [&](std::string& bytes) {
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
  ListUpdate update;
  update.bytes = locked.bytes;
  if (locked.error) {
    update.error = locked.error;
  } else if (problem) {
    update.status = ListUpdate::Status::NotAList;
    update.problem = problem;
  } else {
    switch (locked.outcome) {
      case LockedUpdate::Outcome::Saved: update.status = ListUpdate::Status::Saved; break;
      case LockedUpdate::Outcome::Unchanged: update.status = ListUpdate::Status::Unchanged; break;
      case LockedUpdate::Outcome::Refused: update.status = ListUpdate::Status::Refused; break;
    }
  }
  return update;
}

}  // namespace tessarine
