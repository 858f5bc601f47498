// Carrying edits made to an older copy of a list over to the list as it is
// now. The window edits a document read earlier; meanwhile the user's editor
// or tessarine-cli may have changed the file. Each record of the copy keeps
// the line it was read from, so the edits are known record by record:
// records changed, records removed, records added. They are applied to the
// current document where the records they touch are still as they were;
// anything else is a conflict, and nothing is merged.
#pragma once

#include "calendar/result.h"
#include "lists/csv_document.h"

namespace tessarine {

// A record changed or removed in the copy that is no longer in the current
// document as it was read: changed there as well, or removed.
struct EditConflict {
  int line;  // where the record was in the copy as read
};

// `current` with what turned `base` into `edited` applied to it.
Result<CsvDocument, EditConflict> MergeEdits(const CsvDocument& base, const CsvDocument& edited,
                                             const CsvDocument& current);

}  // namespace tessarine
