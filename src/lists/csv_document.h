// A CSV file as a document that keeps what it does not understand: every
// record holds its text exactly as read, so saving after an edit changes
// the edited record and nothing else. Comments (# at the start of a
// record), blank lines, extra columns and the file's line ends stay as they
// were. A record may run over several lines inside a quoted field; CR, LF
// and CR LF all end a line.
//
// Errors: a text that is not CSV (a quote that is never closed) is refused
// as a whole, with the line where the quote opened; nothing is guessed. So
// is a text of more records and fields than any list holds: each costs some
// hundred bytes held, and a 10 MB file of line ends alone would be ten
// million records, a gigabyte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"

namespace tessarine {

enum class RecordKind { Blank, Comment, Fields };

struct CsvRecord {
  int line = 0;  // where the record begins, counted from 1
  RecordKind kind = RecordKind::Fields;
  std::string text;                 // as in the file, its line end included
  std::vector<std::string> fields;  // for RecordKind::Fields
};

struct CsvDocument {
  std::vector<CsvRecord> records;
  std::string lineEnd = "\r\n";  // the file's own, for new records
};

// The most records and fields, counted together, a text is read with: fifty
// times a list of ten thousand entries, and some 60 MB held at most.
inline constexpr std::size_t kMostCsvPieces = 500'000;

// Why a text is not read as CSV.
struct CsvProblem {
  enum class Kind {
    UnclosedQuote,  // a quote never closed: `line` is where it opened
    TooManyPieces,  // more records and fields than kMostCsvPieces: `line` is the record that passed it
  } kind;
  int line;
};

Result<CsvDocument, CsvProblem> ParseCsvDocument(std::string_view text);

// The whole text again: the records' texts one after another.
std::string DocumentText(const CsvDocument& document);

// One record's text: every field quoted, as spreadsheets write it, and the
// line end.
std::string RecordText(const std::vector<std::string>& fields, std::string_view lineEnd);

// True when every field is empty: a record that holds no entry.
bool IsBlankRow(const std::vector<std::string>& fields);

// Gives record `index` new leading fields; the fields after them stay. A
// record with no text in any field is not written.
void SetLeadingFields(CsvDocument& document, std::size_t index, const std::vector<std::string>& leading);

// Adds an empty record of fields at the end, written once it holds text;
// returns its index.
std::size_t AppendRow(CsvDocument& document);

}  // namespace tessarine
