#include "lists/csv_merge.h"

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tessarine {
namespace {

// The records of a document by their text; each match is taken once, so
// two equal rows stand for two records.
class RecordsByText {
 public:
  explicit RecordsByText(const CsvDocument& document) {
    for (std::size_t i = document.records.size(); i-- > 0;) byText_[document.records[i].text].push_back(i);
  }
  std::optional<std::size_t> Take(const std::string& text) {
    const auto found = byText_.find(text);
    if (found == byText_.end() || found->second.empty()) return std::nullopt;
    const std::size_t index = found->second.back();
    found->second.pop_back();
    return index;
  }

 private:
  std::unordered_map<std::string, std::vector<std::size_t>> byText_;
};

}  // namespace

Result<CsvDocument, EditConflict> MergeEdits(const CsvDocument& base, const CsvDocument& edited,
                                             const CsvDocument& current) {
  if (DocumentText(base) == DocumentText(current)) return edited;
  std::map<int, const CsvRecord*> editedByLine;
  for (const CsvRecord& record : edited.records) {
    if (record.line > 0) editedByLine.emplace(record.line, &record);
  }
  CsvDocument merged = current;
  RecordsByText currentRecords(current);
  std::vector<bool> removed(merged.records.size(), false);
  for (const CsvRecord& record : base.records) {
    const auto found = editedByLine.find(record.line);
    const bool kept = found != editedByLine.end();
    if (kept && found->second->text == record.text) continue;
    const std::optional<std::size_t> at = currentRecords.Take(record.text);
    if (!at) return Failure{EditConflict{record.line}};  // changed there as well as here
    if (kept) {
      merged.records[*at] = *found->second;
    } else {
      removed[*at] = true;
    }
  }
  for (const CsvRecord& record : edited.records) {
    if (record.line == 0 && !record.text.empty()) merged.records.push_back(record);
  }
  std::size_t index = 0;
  std::erase_if(merged.records, [&](const CsvRecord&) { return index < removed.size() && removed[index++]; });
  return merged;
}

}  // namespace tessarine
