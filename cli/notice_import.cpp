#include "cli/notice_import.h"

#include <fmt/format.h>

#include <iostream>

#include "cli/arguments.h"
#include "cli/holiday_list_file.h"
#include "holidays/china/holiday_notice.h"
#include "lists/notice_encoding.h"
#include "files/bounded_read.h"
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
    case NoticeProblem::UnreadClause: return "a sentence about days off or workdays holds a date that cannot be read";
    case NoticeProblem::CutShort: return "the text is cut short: its last item stops inside a sentence";
    case NoticeProblem::Unbalanced: return "blocks whose days do not add up";
  }
  return {};
}

}  // namespace

std::string ReadImportSource(const std::string& source) {
  if (source == "-") {
    // Bounded as a file is: a pipe from /dev/zero must not fill the memory.
    std::string text(kMostBytesRead + 1, '\0');
    std::cin.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(std::cin.gcount()));
    if (text.size() > kMostBytesRead) {
      throw UsageError("cannot read standard input: " + make_error_code(ReadRefusal::TooLarge).message());
    }
    return text;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(source, error)) throw UsageError(Quoted(source) + " is not a file");
  const FileBytes read = ReadBoundedFile(source);
  if (read.error) throw UsageError("cannot read " + Quoted(source) + ": " + read.error.message());
  return read.bytes.value_or("");
}

namespace {

std::string_view EncodingName(NoticeEncoding encoding) {
  switch (encoding) {
    case NoticeEncoding::Utf8: return "UTF-8";
    case NoticeEncoding::Gb18030: return "GB18030 (GBK)";
    case NoticeEncoding::Big5: return "Big5";
    case NoticeEncoding::Utf16: return "UTF-16";
  }
  return {};
}

// The notice's text in UTF-8, whatever it was saved or pasted in.
std::string NoticeText(const std::string& bytes) {
  auto decoded = DecodeNoticeBytes(bytes);
  if (decoded) return std::move(decoded->text);
  const NoticeTextProblem& bad = decoded.error();
  switch (bad.kind) {
    case NoticeTextProblem::Kind::NotText:
      throw UsageError(
          fmt::format("the notice is not text in UTF-8, GB18030 (GBK), Big5 or UTF-16: line {}", bad.line));
    case NoticeTextProblem::Kind::MixedEncodings:
      throw UsageError(fmt::format("the notice mixes two encodings: line {} is UTF-8, line {} is not", bad.utf8Line,
                                   bad.line));
    case NoticeTextProblem::Kind::EndsInsideCharacter: break;
  }
  throw UsageError(fmt::format("the notice ends inside a {} character, on line {}: it may be cut short",
                               EncodingName(bad.encoding), bad.line));
}

std::string BalanceText(const BlockBalance& block) {
  return fmt::format("{}: {} weekdays off, where its {} statutory days and {} make-up workdays give {}", block.name,
                     block.weekdaysOff, block.statutory, block.workdays, block.statutory + block.workdays);
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

// Blocks that do not add up: refused, each named with its figures, unless
// the user has checked the text and accepts them. Returns whether to go on.
bool CheckBalance(const HolidayNotice& notice, bool accepted, std::ostream& err) {
  for (const BlockBalance& block : notice.unbalanced) {
    err << kPrefix << (accepted ? "warning: " : "not a readable notice: ") << "the days do not add up in "
        << EscapeControls(BalanceText(block)) << (accepted ? "; kept as the text has them (--accept-unbalanced)" : "")
        << "\n";
  }
  if (notice.unbalanced.empty() || accepted) return true;
  err << kPrefix << "the text may be cut short; if it is whole, --accept-unbalanced stores it as it is\n";
  return false;
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
  const auto update = UpdateListFile(path, [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) {
      badRow = list.errors.front();
      return ChangeOutcome::Refuse;
    }
    auto merged = ApplyNotice(notice, KnownYear(list, notice.schedule.year));
    if (!merged) {
      refused = std::move(merged).error();
      return ChangeOutcome::Refuse;
    }
    stored.year = std::move(*merged);
    stored.replaced = ReplacedRows(list, *stored.year, Region::China);
    StoreSchedule(current.document, *stored.year, Region::China);
    return ChangeOutcome::Apply;
  });
  const std::string where = EscapeControls(path.string());
  if (refused) {
    PrintRefusal(*refused, err);
    return 2;
  }
  if (const int status = ReportListUpdate(update, where, badRow, err); status != 0) return status;
  if (!stored.replaced.empty()) {
    err << EscapeControls(fmt::format("替换了你自己添加的 {} 行：{}", stored.replaced.size(), RowsText(stored.replaced)))
        << "\n";
  }
  err << kPrefix << notice.schedule.year << " stored in " << where << "\n";
  return 0;
}

}  // namespace

int ImportNotice(const ImportRequest& request, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseHolidayNotice(NoticeText(ReadImportSource(request.source)), request.year, IfUnbalanced::Read);
  if (!parsed) {
    PrintRefusal(parsed.error(), err);
    return 2;
  }
  const HolidayNotice& notice = *parsed;
  const auto year = ApplyNotice(notice, KnownYear(ReadHolidayListFile().list, notice.schedule.year));
  if (!year) {
    PrintRefusal(year.error(), err);
    return 2;
  }
  // A refused run prints no days, but a dry run shows what was read.
  const bool balanced = notice.unbalanced.empty() || request.acceptUnbalanced;
  if (balanced || request.dryRun) {
    for (const HolidayDay& day : year->days) {
      out << IsoDate(day.date) << '\t' << KindMark(day.kind) << '\t' << EscapeControls(day.name) << '\n';
    }
  }
  if (!CheckBalance(notice, request.acceptUnbalanced, err)) return 2;
  if (request.dryRun) return 0;
  return Store(notice, err);
}

}  // namespace tessarine::cli
