#include "lists/list_file.h"

#include <optional>

namespace tessarine {

Result<ListUpdate, ListUpdateError> UpdateListFile(const std::filesystem::path& path, const ListChange& change) {
  std::optional<ListProblem> notAList;
  LockedUpdate update = UpdateLockedFile(path, [&](std::string& bytes) {
    LoadedList current;
    if (!bytes.empty()) {
      auto loaded = LoadList(bytes);
      if (!loaded) {
        notAList = loaded.error();
        return ChangeOutcome::Refuse;
      }
      current = std::move(*loaded);
    }
    if (change(current) == ChangeOutcome::Refuse) return ChangeOutcome::Refuse;
    bytes = SavedListBytes(current);
    return ChangeOutcome::Apply;
  });
  if (update.error) return Failure{ListUpdateError{ListUpdateError::Kind::Failed, {}, update.error}};
  if (notAList) return Failure{ListUpdateError{ListUpdateError::Kind::NotAList, *notAList, {}}};
  return ListUpdate{update.outcome, std::move(update.bytes)};
}

}  // namespace tessarine
