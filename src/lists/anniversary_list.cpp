#include "lists/anniversary_list.h"

#include <algorithm>
#include <array>

#include "lists/folded_text.h"

namespace tessarine {
namespace {

// The header's words in each language the window speaks (简体, 繁體,
// English, Korean, Vietnamese), as FoldedWord leaves them: a header is
// recognised in any case and with any blanks.
struct HeaderWords {
  std::array<std::string_view, 5> name, date, firstYear, calendar;
};
constexpr HeaderWords kHeaderWords = {
    {"名称", "名稱", "name", "이름", "tên"},
    {"日期", "日期", "date", "날짜", "ngày"},
    {"起始年", "起始年", "firstyear", "시작년", "nămđầu"},
    {"历法", "曆法", "calendar", "달력", "lịch"},
};

bool OneOf(const std::string& word, const std::array<std::string_view, 5>& words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool IsHeaderRow(const std::vector<std::string>& fields) {
  if (fields.size() < 2 || !OneOf(FoldedWord(fields[0]), kHeaderWords.name) ||
      !OneOf(FoldedWord(fields[1]), kHeaderWords.date)) {
    return false;
  }
  if (fields.size() >= 3 && !OneOf(FoldedWord(fields[2]), kHeaderWords.firstYear)) return false;
  return fields.size() < 4 || fields[3].empty() || OneOf(FoldedWord(fields[3]), kHeaderWords.calendar);
}

}  // namespace

Result<LoadedList, ListProblem> LoadList(std::string_view bytes) {
  auto text = DecodeListBytes(bytes);
  if (!text) {
    const TextProblem& problem = text.error();
    const bool mixed = problem.kind == TextProblem::Kind::MixedEncodings;
    return Failure{ListProblem{mixed ? ListProblem::Kind::MixedEncodings : ListProblem::Kind::NotText, problem.line,
                               problem.utf8Line}};
  }
  auto document = ParseCsvDocument(text->text);
  if (!document) {
    const bool unclosed = document.error().kind == CsvProblem::Kind::UnclosedQuote;
    return Failure{ListProblem{unclosed ? ListProblem::Kind::UnclosedQuote : ListProblem::Kind::TooManyPieces,
                               document.error().line}};
  }
  return LoadedList{std::move(*document), text->encoding};
}

std::string SavedListBytes(const LoadedList& list) { return EncodeListText(DocumentText(list.document), list.encoding); }

std::vector<std::size_t> EntryRecords(const CsvDocument& document) {
  std::vector<std::size_t> records;
  bool headerSeen = false;
  for (std::size_t i = 0; i < document.records.size(); ++i) {
    const CsvRecord& record = document.records[i];
    if (record.kind != RecordKind::Fields || (IsBlankRow(record.fields) && !record.text.empty())) continue;
    // Only the first row may be the header; a later one is a (bad) entry.
    if (!headerSeen && IsHeaderRow(record.fields)) {
      headerSeen = true;
      continue;
    }
    headerSeen = true;
    records.push_back(i);
  }
  return records;
}

AnniversaryList ReadAnniversaryList(const CsvDocument& document) {
  AnniversaryList list;
  for (const std::size_t index : EntryRecords(document)) {
    const CsvRecord& record = document.records[index];
    if (IsBlankRow(record.fields)) continue;  // a row added and not yet written
    EntryResult result = ParseAnniversary(record.fields);
    if (result) {
      list.entries.push_back(std::move(*result));
    } else {
      list.errors.push_back({record.line, std::move(result).error()});
    }
  }
  return list;
}

Result<AnniversaryList, ListProblem> ReadAnniversaryList(std::string_view bytes) {
  const auto loaded = LoadList(bytes);
  if (!loaded) return Failure{loaded.error()};
  return ReadAnniversaryList(loaded->document);
}

}  // namespace tessarine
