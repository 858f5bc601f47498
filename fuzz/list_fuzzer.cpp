// Any bytes as an anniversary list: reading must not crash, a file that is
// read as UTF-8 must save back byte for byte, and after an edit of any row
// it must still read, with the rows that were not edited as they were.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lists/anniversary_list.h"

using namespace tessarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto loaded = LoadList(bytes);
  if (!loaded) return 0;
  LoadedList* list = &*loaded;
  if (list->encoding != TextEncoding::Gb18030 && SavedListBytes(*list) != bytes) __builtin_trap();
  ReadAnniversaryList(list->document);

  const std::vector<std::size_t> rows = EntryRecords(list->document);
  if (rows.empty()) return 0;
  const std::size_t edited = rows[size % rows.size()];
  SetLeadingFields(list->document, edited, {"名,\"称\"\n#", "三月初八", ""});
  auto again = LoadList(SavedListBytes(*list));
  if (!again) __builtin_trap();
  const LoadedList* reread = &*again;
  const std::vector<std::size_t> rowsAgain = EntryRecords(reread->document);
  if (rowsAgain.size() != rows.size()) __builtin_trap();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i] == edited) continue;
    if (reread->document.records[rowsAgain[i]].fields != list->document.records[rows[i]].fields) __builtin_trap();
  }
  return 0;
}
