// The anniversary list as a CSV file, as a spreadsheet or a hand saves it:
// one entry a row (name, date, first year, calendar), fields quoted when
// they hold a comma; comments (#), blank lines, a header row in any language
// the window speaks (名称,日期,起始年,历法; name,date,first year,calendar;
// 이름,날짜,시작년,달력; Tên,Ngày,Năm đầu,Lịch) and extra columns are kept
// and skipped. UTF-8 with or without a byte-order mark, or
// GB18030. The command line reads it; the window reads and edits it as a
// document (lists/csv_document.h), so what it does not understand survives.
//
// Errors: a file that is not a list at all (not text, a quote never closed,
// more rows and fields than any list) is refused as a whole, with its line,
// so that nobody saves over it. Otherwise reading returns the rows that parse and, for each row that
// does not, its line, the field and the reason, for the front end to word.
// Only running out of memory throws.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "lists/anniversary_entry.h"
#include "lists/csv_document.h"
#include "lists/list_encoding.h"

namespace tessarine {

struct ListProblem {
  // TooManyPieces: more records and fields than kMostCsvPieces, from `line`.
  enum class Kind { NotText, UnclosedQuote, MixedEncodings, TooManyPieces } kind;
  int line;          // the line at fault: for MixedEncodings, the one not UTF-8
  int utf8Line = 0;  // for MixedEncodings, a line that is UTF-8
};

struct LoadedList {
  CsvDocument document;
  TextEncoding encoding = TextEncoding::Utf8;
};

// The file's bytes as a document.
Result<LoadedList, ListProblem> LoadList(std::string_view bytes);

// The bytes to save the document as.
std::string SavedListBytes(const LoadedList& list);

// The records that hold entries, in order: rows of fields that are neither
// blank nor the header row.
std::vector<std::size_t> EntryRecords(const CsvDocument& document);

struct RowError {
  int line;
  EntryError error;
};

struct AnniversaryList {
  std::vector<Anniversary> entries;  // the rows that parse, in order
  std::vector<RowError> errors;      // the rows that do not
};

// Entries that name no calendar repeat by the Chinese one, in every front end.
AnniversaryList ReadAnniversaryList(const CsvDocument& document);
// The same for a file's bytes; the problem when they are not a list at all.
Result<AnniversaryList, ListProblem> ReadAnniversaryList(std::string_view bytes);

}  // namespace tessarine
