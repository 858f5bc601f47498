#include "cli/notice_import.h"

#include <fmt/format.h>

#include <iostream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/holiday_list_file.h"
#include "lists/holiday_notice.h"
#include "lists/list_encoding.h"
#include "lists/list_file.h"

namespace tessarine::cli {
namespace {

constexpr std::string_view kPrefix = "tessarine-cli holidays: ";

std::string ProblemText(NoticeProblem problem) {
  switch (problem) {
    case NoticeProblem::NoYear: return "no year: a notice names it as 'YYYY年部分节假日安排'; or give --year";
    case NoticeProblem::NoItems: return "no item such as '一、元旦：1月1日放假'";
    case NoticeProblem::NoDays: return "an item names no day";
    case NoticeProblem::NoSuchDate: return "a date that does not exist";
    case NoticeProblem::OutsideTheYear: return "a day outside the notice's year";
    case NoticeProblem::CountMismatch: return "the number of days (共N天) disagrees with the days named";
    case NoticeProblem::BothKinds: return "a day named both a day off and a workday";
    case NoticeProblem::UnclosedBracket: return "a bracket opens and never closes";
    case NoticeProblem::YearOutside:
      return fmt::format("the year is outside {}-{}", static_cast<int>(YearRange::First),
                         static_cast<int>(YearRange::Last));
    case NoticeProblem::WrongWeekday: return "a weekday note disagrees with its date";
    case NoticeProblem::TwoNotices: return "two notices in one text, for the years";
    case NoticeProblem::YearDisagrees: return "the notice's year is not --year";
    case NoticeProblem::MissingItem: return "the opening sentence names a holiday that has no item";
    case NoticeProblem::UnreadItem: return "a numbered item that cannot be read; the text may be cut short";
    case NoticeProblem::TooFewHolidays: return "the text may be cut short: no item for";
    case NoticeProblem::NothingToChange: return "the notice changes a year whose days are not known";
  }
  return {};
}

std::string ReadSource(const std::string& source) {
  std::ostringstream text;
  if (source == "-") {
    text << std::cin.rdbuf();
    return text.str();
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(source, error)) throw UsageError(Quoted(source) + " is not a file");
  auto read = ReadListBytes(source);
  if (const auto* failed = std::get_if<std::error_code>(&read)) {
    throw UsageError("cannot read " + Quoted(source) + ": " + failed->message());
  }
  return std::get<std::optional<std::string>>(read).value_or("");
}

// The notice's text in UTF-8, whatever it was saved or pasted in.
std::string NoticeText(const std::string& bytes) {
  auto decoded = DecodeTextBytes(bytes);
  if (const auto* bad = std::get_if<NotText>(&decoded)) {
    throw UsageError(fmt::format("the notice is not text in UTF-8, GB18030 (GBK) or UTF-16: line {}", bad->line));
  }
  if (const auto* mixed = std::get_if<MixedEncodings>(&decoded)) {
    throw UsageError(fmt::format("the notice mixes two encodings: line {} is UTF-8, line {} is not", mixed->utf8Line,
                                 mixed->otherLine));
  }
  return std::move(std::get<DecodedText>(decoded).text);
}

std::string RowsText(const std::vector<HolidayDay>& rows) {
  std::string text;
  for (const HolidayDay& row : rows) {
    text += fmt::format("{}{} {} {}", text.empty() ? "" : "；", IsoDate(row.date), KindMark(row.kind), row.name);
  }
  return text;
}

std::optional<HolidaySchedule> KnownYear(const HolidayList& list, int year) {
  for (HolidaySchedule& schedule : KnownSchedules(list)) {
    if (schedule.year == year) return std::move(schedule);
  }
  return std::nullopt;
}

void PrintRefusal(const NoticeError& error, std::ostream& err) {
  err << kPrefix << "not a readable notice: " << ProblemText(error.problem)
      << (error.sentence.empty() ? "" : ": " + EscapeControls(error.sentence)) << "\n";
}

struct Stored {
  std::optional<HolidaySchedule> year;  // as stored, when it was
  std::vector<HolidayDay> replaced;     // the user's own rows it replaced
};

// Merges and stores the notice in the list as it is now, under its lock:
// a year another run stored meanwhile stays. Returns the exit status.
int Store(const HolidayNotice& notice, std::ostream& err) {
  const std::filesystem::path path = HolidayListPath();
  Stored stored;
  std::optional<HolidayRowError> badRow;
  std::optional<NoticeError> refused;
  const ListUpdate update = UpdateListFile(path, [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) {
      badRow = list.errors.front();
      return ChangeOutcome::Refuse;
    }
    auto merged = ApplyNotice(notice, KnownYear(list, notice.schedule.year));
    if (auto* error = std::get_if<NoticeError>(&merged)) {
      refused = std::move(*error);
      return ChangeOutcome::Refuse;
    }
    stored.year = std::move(std::get<HolidaySchedule>(merged));
    stored.replaced = ReplacedRows(list, *stored.year);
    StoreSchedule(current.document, *stored.year);
    return ChangeOutcome::Apply;
  });
  const std::string where = EscapeControls(path.string());
  if (refused) {
    PrintRefusal(*refused, err);
    return 2;
  }
  switch (update.status) {
    case ListUpdate::Status::Failed:
      err << kPrefix << "cannot write " << where << ": " << update.error.message() << "\n";
      return 1;
    case ListUpdate::Status::NotAList:
      err << kPrefix << where << ":" << update.problem->line << ": not a holiday list\n";
      return 1;
    case ListUpdate::Status::Refused:
      err << kPrefix << where << ":" << badRow->line << ": " << Quoted(badRow->text)
          << (badRow->repeatedDate ? " names a date an earlier row of its year names"
                                   : " is not a row of year, date (yyyy-mm-dd), 休 or 班, and name")
          << ": nothing stored\n";
      return 1;
    case ListUpdate::Status::Saved:
    case ListUpdate::Status::Unchanged: break;
  }
  if (!stored.replaced.empty()) {
    err << EscapeControls(fmt::format("替换了你自己添加的 {} 行：{}", stored.replaced.size(), RowsText(stored.replaced)))
        << "\n";
  }
  err << kPrefix << notice.schedule.year << " stored in " << where << "\n";
  return 0;
}

}  // namespace

int ImportNotice(const ImportRequest& request, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseHolidayNotice(NoticeText(ReadSource(request.source)), request.year);
  if (const auto* error = std::get_if<NoticeError>(&parsed)) {
    PrintRefusal(*error, err);
    return 2;
  }
  const HolidayNotice& notice = std::get<HolidayNotice>(parsed);
  auto year = ApplyNotice(notice, KnownYear(ReadHolidayListFile().list, notice.schedule.year));
  if (const auto* error = std::get_if<NoticeError>(&year)) {
    PrintRefusal(*error, err);
    return 2;
  }
  for (const HolidayDay& day : std::get<HolidaySchedule>(year).days) {
    out << IsoDate(day.date) << '\t' << KindMark(day.kind) << '\t' << EscapeControls(day.name) << '\n';
  }
  for (const BlockBalance& block : notice.unbalanced) {
    err << kPrefix
        << EscapeControls(fmt::format("warning: {}: {} weekdays off, where its {} statutory days and {} make-up "
                                      "workdays give {}; check that the text is whole",
                                      block.name, block.weekdaysOff, block.statutory, block.workdays,
                                      block.statutory + block.workdays))
        << "\n";
  }
  if (request.dryRun) return 0;
  return Store(notice, err);
}

}  // namespace tessarine::cli
