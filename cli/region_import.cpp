// A region's published file read, worded and stored by the command line.
#include "cli/region_import.h"

#include <fmt/format.h>

#include "calendar/iso_date.h"
#include "cli/arguments.h"
#include "cli/holiday_list_file.h"
#include "cli/notice_import.h"
#include "lists/list_file.h"
#include "lists/region_import.h"

namespace tessarine::cli {
namespace {

constexpr std::string_view kPrefix = "tessarine-cli holidays: ";

std::string ProblemText(OfficeCalendarProblem problem) {
  switch (problem) {
    case OfficeCalendarProblem::NotText:
      return "not text in UTF-8 or Big5";
    case OfficeCalendarProblem::WrongHeader:
      return "not a 辦公日曆表: the first line is not 西元日期,星期,是否放假,備註";
    case OfficeCalendarProblem::NoRows:
      return "a header and no day";
    case OfficeCalendarProblem::WrongFieldCount:
      return "a row without its four fields";
    case OfficeCalendarProblem::BadDate:
      return "a 西元日期 that is no date written YYYYMMDD";
    case OfficeCalendarProblem::YearOutside:
      return fmt::format("a day outside {}-{}", static_cast<int>(YearRange::First), static_cast<int>(YearRange::Last));
    case OfficeCalendarProblem::WrongWeekday:
      return "a 星期 that is not its date's weekday";
    case OfficeCalendarProblem::OtherYear:
      return "a day of another year than the first row's";
    case OfficeCalendarProblem::OutOfOrder:
      return "a day repeated, or before the row above it";
    case OfficeCalendarProblem::UnknownValue:
      return "a 是否放假 other than 0 or 2";
    case OfficeCalendarProblem::CutShort:
      return "the file is cut short";
    case OfficeCalendarProblem::NothingToChange:
      return "a revision (修正版) of a year with no table to change";
  }
  return {};
}

std::string ProblemText(FeedProblem problem) {
  switch (problem) {
    case FeedProblem::NotUtf8:
      return "not text in UTF-8";
    case FeedProblem::NotACalendar:
      return "not an iCalendar file";
    case FeedProblem::CutShort:
      return "the file is cut short";
    case FeedProblem::AfterTheEnd:
      return "text after END:VCALENDAR";
    case FeedProblem::BadLine:
      return "a line that cannot be read";
    case FeedProblem::UnknownComponent:
      return "a component other than the feed's events";
    case FeedProblem::UnknownProperty:
      return "a property that may change what an event means";
    case FeedProblem::WrongVersion:
      return "a VERSION or CALSCALE the feed never has";
    case FeedProblem::NotADate:
      return "a start or end that is not a day";
    case FeedProblem::NotOneDay:
      return "an event that is not one whole day";
    case FeedProblem::Recurring:
      return "a recurring event";
    case FeedProblem::Cancelled:
      return "a cancelled event";
    case FeedProblem::Repeated:
      return "a property given twice in one event";
    case FeedProblem::MissingDate:
      return "an event without its day";
    case FeedProblem::MissingName:
      return "an event without its name";
    case FeedProblem::NotTheFeed:
      return "an event that is not the 1823 feed's";
    case FeedProblem::SameDay:
      return "two events on one day";
    case FeedProblem::YearOutside:
      return fmt::format("a day outside {}-{}", static_cast<int>(YearRange::First), static_cast<int>(YearRange::Last));
    case FeedProblem::NoEvents:
      return "a calendar without a single event";
  }
  return {};
}

// "not a readable 辦公日曆表: <what>, line N: <the line>", or nothing when
// the file was read.
template <typename Error>
std::optional<std::string> RefusalOf(const Result<RegionImport, Error>& read, std::string_view kind) {
  if (read) return std::nullopt;
  const Error* error = &read.error();
  std::string text = fmt::format("not a readable {}: {}", kind, ProblemText(error->problem));
  if (error->line > 0) text += fmt::format(", line {}", error->line);
  if (!error->text.empty()) text += ": " + EscapeControls(error->text);
  return text;
}

// The file read against the list as it is: a 修正版 changes the year the
// list knows now. Either the years or why not.
Result<RegionImport, std::string> Read(Region region, std::string_view bytes, const HolidayList& list) {
  if (region == Region::Taiwan) {
    auto read = ImportTaiwanCalendar(bytes, list);
    if (auto refusal = RefusalOf(read, "辦公日曆表")) return Failure{*refusal};
    return *std::move(read);
  }
  auto read = ImportHongKongFeed(bytes);
  if (auto refusal = RefusalOf(read, "holiday feed")) return Failure{*refusal};
  return *std::move(read);
}

void PrintDays(const RegionImport& import, std::ostream& out) {
  for (const HolidaySchedule& year : import.years) {
    for (const HolidayDay& day : year.days) {
      out << IsoDate(day.date) << '\t' << KindMark(day.kind) << '\t' << EscapeControls(day.name) << '\n';
    }
  }
}

std::string RowsText(const std::vector<HolidayDay>& rows) {
  std::string text;
  for (const HolidayDay& row : rows) {
    text += fmt::format("{}{} {} {}", text.empty() ? "" : "；", IsoDate(row.date), KindMark(row.kind), row.name);
  }
  return text;
}

// Reads and stores the file against the list as it is now, under its lock.
// Returns the exit status.
int Store(const RegionImportRequest& request, std::string_view bytes, std::ostream& err) {
  const std::filesystem::path path = HolidayListPath();
  std::optional<RegionImport> stored;
  std::vector<HolidayDay> replaced;
  std::optional<HolidayRowError> badRow;
  std::optional<std::string> refused;
  const auto update = UpdateListFile(path, [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) {
      badRow = list.errors.front();
      return ChangeOutcome::Refuse;
    }
    auto read = Read(request.region, bytes, list);
    if (!read) {
      refused = std::move(read).error();
      return ChangeOutcome::Refuse;
    }
    stored = *std::move(read);
    replaced = ReplacedRows(list, *stored);
    StoreImport(current.document, *stored);
    return ChangeOutcome::Apply;
  });
  const std::string where = EscapeControls(path.string());
  if (refused) {
    err << kPrefix << *refused << "\n";
    return 2;
  }
  if (const int status = ReportListUpdate(update, where, badRow, err); status != 0) return status;
  if (!replaced.empty()) {
    err << EscapeControls(fmt::format("替换了你自己添加的 {} 行：{}", replaced.size(), RowsText(replaced))) << "\n";
  }
  for (const HolidaySchedule& year : stored->years) {
    err << kPrefix << year.year << " (" << RegionTag(request.region) << ") stored in " << where << "\n";
  }
  return 0;
}

}  // namespace

int ImportRegionFile(const RegionImportRequest& request, std::ostream& out, std::ostream& err) {
  const std::string bytes = ReadImportSource(request.source);
  auto read = Read(request.region, bytes, ReadHolidayListFile().list);
  if (!read) {
    err << kPrefix << read.error() << "\n";
    return 2;
  }
  PrintDays(*read, out);
  if (request.dryRun) return 0;
  return Store(request, bytes, err);
}

}  // namespace tessarine::cli
