// The anniversary list as a CSV file, as a spreadsheet saves it: UTF-8, a
// byte-order mark allowed, one entry a row (name, date, first year), fields
// quoted when they hold a comma; blank lines and lines starting with # are
// ignored. The command line reads it; the window reads and writes it.
//
// Errors: reading never refuses a whole list. It returns the rows that parse
// and, for each row that does not, its line, the field and the reason, for
// the front end to word. Only running out of memory throws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lists/anniversary_entry.h"

namespace tessarine {

struct CsvRow {
  int line;  // where the row ends, counted from 1
  std::vector<std::string> fields;
};

// True when every field is empty: a row that holds no entry.
bool IsBlankRow(const std::vector<std::string>& fields);

// The rows of `text` that are not blank, each with its line number.
std::vector<CsvRow> ReadCsvRows(std::string_view text);

struct RowError {
  int line;
  EntryError error;
};

struct AnniversaryList {
  std::vector<Anniversary> entries;  // the rows that parse, in order
  std::vector<RowError> errors;      // the rows that do not
};

AnniversaryList ReadAnniversaryList(std::string_view csvText);

// Rows as CSV text, every field quoted, CR LF line ends, as spreadsheets
// write it.
std::string WriteCsv(const std::vector<std::vector<std::string>>& rows);

}  // namespace tessarine
