#include "lists/anniversary_list.h"

#include <csv.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace tessarine {
namespace {

struct Reader {
  std::vector<CsvRow> rows;
  std::vector<std::string> fields;
  int line = 0;
};

void OnField(void* data, std::size_t size, void* reader) {
  static_cast<Reader*>(reader)->fields.emplace_back(static_cast<const char*>(data), size);
}

void OnRow(int, void* data) {
  auto* reader = static_cast<Reader*>(data);
  std::vector<std::string> fields = std::move(reader->fields);
  reader->fields.clear();
  if (!IsBlankRow(fields)) reader->rows.push_back({reader->line, std::move(fields)});
}

}  // namespace

bool IsBlankRow(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); });
}

std::vector<CsvRow> ReadCsvRows(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  csv_parser parser;
  if (csv_init(&parser, 0) != 0) throw std::bad_alloc();
  const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
  Reader reader;
  // Fed a line at a time so that each row knows its line; a quoted field may
  // still run over several lines.
  while (!text.empty()) {
    ++reader.line;
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
    text.remove_prefix(line.size());
    if (reader.fields.empty() && line.starts_with('#')) continue;
    if (csv_parse(&parser, line.data(), line.size(), OnField, OnRow, &reader) != line.size()) {
      throw std::bad_alloc();  // the only failure outside strict mode
    }
  }
  csv_fini(&parser, OnField, OnRow, &reader);
  return std::move(reader.rows);
}

AnniversaryList ReadAnniversaryList(std::string_view csvText) {
  AnniversaryList list;
  for (const CsvRow& row : ReadCsvRows(csvText)) {
    EntryResult result = ParseAnniversary(row.fields);
    if (auto* error = std::get_if<EntryError>(&result)) {
      list.errors.push_back({row.line, std::move(*error)});
    } else {
      list.entries.push_back(std::move(std::get<Anniversary>(result)));
    }
  }
  return list;
}

std::string WriteCsv(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += ',';
      std::string quoted(row[i].size() * 2 + 2, '\0');
      quoted.resize(csv_write(quoted.data(), quoted.size(), row[i].data(), row[i].size()));
      text += quoted;
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace tessarine
