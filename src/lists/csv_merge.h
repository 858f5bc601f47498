// Carrying edits made to an older copy of a list over to the list as it is
// now. The window edits a document read earlier; meanwhile the user's editor
// or tessarine-cli may have changed the file. Each record of the copy keeps
// the line it was read from, so the edits are known record by record:
// records changed, records removed, records added. They are applied to the
// current document where the records they touch are still as they were;
// anything else is a conflict, and nothing is merged.
#pragma once

#include "lists/csv_document.h"

namespace tessarine {

// Applies to `current` what turned `base` into `edited`. Returns false, with
// `current` untouched, when a record that was changed or removed in `edited`
// is no longer in `current` as it was in `base`.
bool MergeEdits(const CsvDocument& base, const CsvDocument& edited, CsvDocument& current);

}  // namespace tessarine
