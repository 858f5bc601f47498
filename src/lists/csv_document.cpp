#include "lists/csv_document.h"

#include <csv.h>

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "calendar/plain_text.h"

namespace tessarine {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The length of the line end at `at` (CR LF, CR or LF), or 0.
std::size_t LineEndAt(std::string_view text, std::size_t at) {
  if (at >= text.size() || !IsLineEnd(text[at])) return 0;
  return text.substr(at).starts_with("\r\n") ? 2 : 1;
}

struct Scanned {
  std::size_t end;  // one past the record's line end
  int lines;        // line ends inside and at the end of the record
  bool unclosed;
};

// Finds where the record that starts at `at` ends. A quote opens quoting
// only as the first character of a field (after spaces), as the CSV parser
// reads it; "" inside quotes is a quote.
Scanned ScanRecord(std::string_view text, std::size_t at) {
  bool fieldStart = true, quoted = false;
  int lines = 0;
  for (std::size_t i = at; i < text.size(); ++i) {
    const char c = text[i];
    if (const std::size_t lineEnd = LineEndAt(text, i); lineEnd != 0) {
      ++lines;
      if (!quoted) return {i + lineEnd, lines, false};
      i += lineEnd - 1;
    } else if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') ++i;
      else if (c == '"') quoted = false;
    } else if (c == '"' && fieldStart) {
      quoted = true;
    } else if (c == ',') {
      fieldStart = true;
    } else if (c != ' ' && c != '\t') {
      fieldStart = false;
    }
  }
  return {text.size(), lines, quoted};
}

// The fields of a record as the parser hands them over, up to `room`.
struct FieldSink {
  std::vector<std::string> fields;
  std::size_t room;
  bool over = false;  // a field past `room` was dropped
};

void OnField(void* data, std::size_t size, void* sink) {
  auto& into = *static_cast<FieldSink*>(sink);
  if (into.fields.size() == into.room) {
    into.over = true;
    return;
  }
  into.fields.emplace_back(static_cast<const char*>(data), size);
}

// The record's fields, or nothing when it has more than `room`: a line of
// ten million commas is not held as ten million strings.
std::optional<std::vector<std::string>> Fields(std::string_view record, std::size_t room) {
  csv_parser parser;
  if (csv_init(&parser, 0) != 0) throw std::bad_alloc();
  const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
  FieldSink sink{{}, room};
  if (csv_parse(&parser, record.data(), record.size(), OnField, nullptr, &sink) != record.size()) {
    throw std::bad_alloc();  // the only failure outside strict mode
  }
  csv_fini(&parser, OnField, nullptr, &sink);
  if (sink.over) return std::nullopt;
  return std::move(sink.fields);
}

// The record at `text`, or nothing when its fields do not fit in `room`.
std::optional<CsvRecord> ReadRecord(std::string_view text, int line, std::size_t room) {
  CsvRecord record{line, RecordKind::Fields, std::string(text), {}};
  const std::string_view content = TrimEnd(text, "\r\n");
  if (content.find_first_not_of(" \t") == std::string_view::npos) {
    record.kind = RecordKind::Blank;
  } else if (content.starts_with('#')) {
    record.kind = RecordKind::Comment;
  } else {
    auto fields = Fields(content, room);
    if (!fields) return std::nullopt;
    record.fields = std::move(*fields);
  }
  return record;
}

}  // namespace

Result<CsvDocument, CsvProblem> ParseCsvDocument(std::string_view text) {
  CsvDocument document;
  std::size_t pieces = 0;  // records and fields so far
  int line = 1;
  bool lineEndSeen = false;
  for (std::size_t at = 0; at < text.size();) {
    // A comment is one line; only a record of fields may run on.
    const bool comment = text[at] == '#';
    const Scanned scanned = comment ? Scanned{at, 0, false} : ScanRecord(text, at);
    std::size_t end = scanned.end;
    int lines = scanned.lines;
    if (comment) {
      while (end < text.size() && !IsLineEnd(text[end])) ++end;
      lines = LineEndAt(text, end) != 0;
      end += LineEndAt(text, end);
    }
    if (scanned.unclosed) return Failure{CsvProblem{CsvProblem::Kind::UnclosedQuote, line}};
    const std::string_view recordText = text.substr(at, end - at);
    if (!lineEndSeen && LineEndAt(recordText, recordText.size() - 1) != 0) {
      lineEndSeen = true;
      document.lineEnd = recordText.ends_with("\r\n") ? "\r\n" : std::string(1, recordText.back());
    }
    // The record itself takes a piece; its fields share what is left.
    if (pieces == kMostCsvPieces) return Failure{CsvProblem{CsvProblem::Kind::TooManyPieces, line}};
    std::optional<CsvRecord> record = ReadRecord(recordText, line, kMostCsvPieces - pieces - 1);
    if (!record) return Failure{CsvProblem{CsvProblem::Kind::TooManyPieces, line}};
    pieces += 1 + record->fields.size();
    document.records.push_back(std::move(*record));
    line += lines;
    at = end;
  }
  return document;
}

std::string DocumentText(const CsvDocument& document) {
  std::string text;
  for (const CsvRecord& record : document.records) {
    if (record.text.empty()) continue;
    // The file's last line may lack a line end; a record added after it
    // needs one between them.
    if (!text.empty() && !IsLineEnd(text.back())) text += document.lineEnd;
    text += record.text;
  }
  return text;
}

std::string RecordText(const std::vector<std::string>& fields, std::string_view lineEnd) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += ',';
    std::string quoted(fields[i].size() * 2 + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), fields[i].data(), fields[i].size()));
    text += quoted;
  }
  return text.append(lineEnd);
}

bool IsBlankRow(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); });
}

void SetLeadingFields(CsvDocument& document, std::size_t index, const std::vector<std::string>& leading) {
  CsvRecord& record = document.records.at(index);
  std::vector<std::string> fields = leading;
  if (record.kind == RecordKind::Fields && record.fields.size() > leading.size()) {
    fields.insert(fields.end(), record.fields.begin() + static_cast<std::ptrdiff_t>(leading.size()), record.fields.end());
  }
  // The file's last line keeps lacking a line end if it did.
  const bool withoutLineEnd = !record.text.empty() && !IsLineEnd(record.text.back());
  record.kind = RecordKind::Fields;
  record.fields = std::move(fields);
  // A row left empty holds nothing to keep and is not written.
  record.text = IsBlankRow(record.fields) ? std::string()
                                          : RecordText(record.fields, withoutLineEnd ? "" : document.lineEnd);
}

std::size_t AppendRow(CsvDocument& document) {
  document.records.push_back({0, RecordKind::Fields, {}, {}});
  return document.records.size() - 1;
}

}  // namespace tessarine
