#include "lists/anniversary_list.h"

namespace tessarine {
namespace {

bool IsHeaderRow(const std::vector<std::string>& fields) {
  return fields.size() >= 2 && fields[0] == "名称" && fields[1] == "日期" && (fields.size() < 3 || fields[2] == "起始年") &&
         (fields.size() < 4 || fields[3] == "历法" || fields[3].empty());
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

AnniversaryList ReadAnniversaryList(const CsvDocument& document, LunarCalendar calendar) {
  AnniversaryList list;
  for (const std::size_t index : EntryRecords(document)) {
    const CsvRecord& record = document.records[index];
    if (IsBlankRow(record.fields)) continue;  // a row added and not yet written
    EntryResult result = ParseAnniversary(record.fields, calendar);
    if (result) {
      list.entries.push_back(std::move(*result));
    } else {
      list.errors.push_back({record.line, std::move(result).error()});
    }
  }
  return list;
}

Result<AnniversaryList, ListProblem> ReadAnniversaryList(std::string_view bytes, LunarCalendar calendar) {
  const auto loaded = LoadList(bytes);
  if (!loaded) return Failure{loaded.error()};
  return ReadAnniversaryList(loaded->document, calendar);
}

}  // namespace tessarine
