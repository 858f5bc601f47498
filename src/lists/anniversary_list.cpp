#include "lists/anniversary_list.h"

namespace tessarine {
namespace {

bool IsHeaderRow(const std::vector<std::string>& fields) {
  return fields.size() >= 2 && fields[0] == "名称" && fields[1] == "日期" && (fields.size() < 3 || fields[2] == "起始年") &&
         (fields.size() < 4 || fields[3] == "历法" || fields[3].empty());
}

}  // namespace

std::variant<LoadedList, ListProblem> LoadList(std::string_view bytes) {
  auto decoded = DecodeListBytes(bytes);
  if (const auto* notText = std::get_if<NotText>(&decoded)) return ListProblem{ListProblem::Kind::NotText, notText->line};
  if (const auto* mixed = std::get_if<MixedEncodings>(&decoded)) {
    return ListProblem{ListProblem::Kind::MixedEncodings, mixed->otherLine, mixed->utf8Line};
  }
  DecodedText& text = std::get<DecodedText>(decoded);
  auto parsed = ParseCsvDocument(text.text);
  if (const auto* unclosed = std::get_if<UnclosedQuote>(&parsed)) {
    return ListProblem{ListProblem::Kind::UnclosedQuote, unclosed->line};
  }
  if (const auto* tooMany = std::get_if<TooManyPieces>(&parsed)) {
    return ListProblem{ListProblem::Kind::TooManyPieces, tooMany->line};
  }
  return LoadedList{std::move(std::get<CsvDocument>(parsed)), text.encoding};
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
    if (auto* error = std::get_if<EntryError>(&result)) {
      list.errors.push_back({record.line, std::move(*error)});
    } else {
      list.entries.push_back(std::move(std::get<Anniversary>(result)));
    }
  }
  return list;
}

AnniversaryList ReadAnniversaryList(std::string_view bytes, LunarCalendar calendar) {
  auto loaded = LoadList(bytes);
  if (const auto* problem = std::get_if<ListProblem>(&loaded)) {
    AnniversaryList list;
    list.problem = *problem;
    return list;
  }
  return ReadAnniversaryList(std::get<LoadedList>(loaded).document, calendar);
}

}  // namespace tessarine
