// Any bytes as an anniversary list: reading must not crash, a file that is
// read as UTF-8 must save back byte for byte, and after an edit of any row
// it must still read, with the rows that were not edited as they were.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "lists/anniversary_list.h"

using namespace tessarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto loaded = LoadList(bytes);
  auto* list = std::get_if<LoadedList>(&loaded);
  if (list == nullptr) return 0;
  if (list->encoding != TextEncoding::Gb18030 && SavedListBytes(*list) != bytes) __builtin_trap();
  ReadAnniversaryList(list->document);

  const std::vector<std::size_t> rows = EntryRecords(list->document);
  if (rows.empty()) return 0;
  const std::size_t edited = rows[size % rows.size()];
  SetLeadingFields(list->document, edited, {"名,\"称\"\n#", "三月初八", ""});
  auto again = LoadList(SavedListBytes(*list));
  auto* reread = std::get_if<LoadedList>(&again);
  if (reread == nullptr) __builtin_trap();
  const std::vector<std::size_t> rowsAgain = EntryRecords(reread->document);
  if (rowsAgain.size() != rows.size()) __builtin_trap();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i] == edited) continue;
    if (reread->document.records[rowsAgain[i]].fields != list->document.records[rows[i]].fields) __builtin_trap();
  }
  return 0;
}
