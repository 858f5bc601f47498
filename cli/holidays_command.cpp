// tessarine-cli holidays: the official days off and make-up workdays as one
// calendar file, and a new year read from the State Council's notice.
#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/holiday_list_file.h"
#include "lists/holiday_notice.h"
#include "lists/list_encoding.h"
#include "lists/list_file.h"

namespace tessarine::cli {
namespace {

struct Request {
  std::vector<std::string> years;
  std::optional<std::string> notice;  // --import FILE, or - for standard input
  bool dryRun = false;
  std::filesystem::path folder;
  FileNaming naming;
};

std::optional<Request> ParseRequest(const Arguments& args, std::ostream& out) {
  CLI::App app;
  bool help = false;
  PrepareCommand(app, help);
  Request request;
  std::string output = ".";
  app.add_option("--output", output);
  app.add_option_function<std::string>("--import", [&request](const std::string& given) { request.notice = given; });
  app.add_flag("--dry-run", request.dryRun);
  app.add_flag("--fixed-name", request.naming.fixedName);
  app.add_option("years", request.years);
  Parse(app, args);
  if (help) {
    out << WithYears(kHolidaysHelpFormat);
    return std::nullopt;
  }
  if (request.notice && request.notice->empty()) throw UsageError("--import needs a file, or - for standard input");
  if (request.notice && !request.years.empty()) throw UsageError("--import takes no years: the notice names its own");
  if (!request.notice && (request.years.empty() || request.years.size() > 2)) {
    throw UsageError("holidays needs a start year and at most an end year, or --import FILE");
  }
  request.folder = OutputFolder(output);
  return request;
}

std::string ProblemText(const NoticeError& error) {
  switch (error.problem) {
    case NoticeProblem::NoYear: return "no year: a notice names it as 'YYYY年部分节假日安排'";
    case NoticeProblem::NoItems: return "no item such as '一、元旦：1月1日放假'";
    case NoticeProblem::NoDays: return "an item names no day";
    case NoticeProblem::NoSuchDate: return "a date that does not exist";
    case NoticeProblem::OutsideTheYear: return "a day outside the notice's year";
    case NoticeProblem::CountMismatch: return "the number of days (共N天) disagrees with the days named";
    case NoticeProblem::BothKinds: return "a day named both a day off and a workday";
  }
  return {};
}

std::string ReadNotice(const std::string& source) {
  std::ostringstream text;
  if (source == "-") {
    text << std::cin.rdbuf();
  } else {
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error)) throw UsageError(Quoted(source) + " is not a file");
    std::ifstream in(source, std::ios::binary);
    if (in) text << in.rdbuf();
    if (!in) throw UsageError("cannot read " + Quoted(source));
  }
  return text.str();
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

// Stores the schedule in the list as the list is now, under its lock: a year
// another run stored meanwhile stays. Returns the exit status.
int Store(const HolidaySchedule& schedule, std::ostream& err) {
  const std::filesystem::path path = HolidayListPath();
  std::vector<HolidayDay> replaced;
  std::optional<HolidayRowError> badRow;
  const ListUpdate update = UpdateListFile(path, [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) {
      badRow = list.errors.front();
      return ChangeOutcome::Refuse;
    }
    replaced = ReplacedRows(list, schedule);
    StoreSchedule(current.document, schedule);
    return ChangeOutcome::Apply;
  });
  const std::string where = EscapeControls(path.string());
  switch (update.status) {
    case ListUpdate::Status::Failed:
      err << "tessarine-cli holidays: cannot write " << where << ": " << update.error.message() << "\n";
      return 1;
    case ListUpdate::Status::NotAList:
      err << "tessarine-cli holidays: " << where << ":" << update.problem->line << ": not a holiday list\n";
      return 1;
    case ListUpdate::Status::Refused:
      err << "tessarine-cli holidays: " << where << ":" << badRow->line << ": " << Quoted(badRow->text)
          << (badRow->repeatedDate ? " names a date an earlier row of its year names"
                                   : " is not a row of year, date (yyyy-mm-dd), 休 or 班, and name")
          << ": nothing stored\n";
      return 1;
    case ListUpdate::Status::Saved:
    case ListUpdate::Status::Unchanged: break;
  }
  if (!replaced.empty()) {
    err << EscapeControls(fmt::format("替换了你自己添加的 {} 行：{}", replaced.size(), RowsText(replaced))) << "\n";
  }
  err << "tessarine-cli holidays: " << schedule.year << " stored in " << where << "\n";
  return 0;
}

int Import(const Request& request, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseHolidayNotice(NoticeText(ReadNotice(*request.notice)));
  if (const auto* error = std::get_if<NoticeError>(&parsed)) {
    err << "tessarine-cli holidays: not a readable notice: " << ProblemText(*error)
        << (error->sentence.empty() ? "" : ": " + EscapeControls(error->sentence)) << "\n";
    return 2;
  }
  const HolidaySchedule& schedule = std::get<HolidaySchedule>(parsed);
  for (const HolidayDay& day : schedule.days) {
    out << IsoDate(day.date) << '\t' << KindMark(day.kind) << '\t' << EscapeControls(day.name) << '\n';
  }
  if (request.dryRun) return 0;
  return Store(schedule, err);
}

int WriteCalendar(const Request& request, std::ostream& out, std::ostream& err) {
  const YearRange years = ParseYearRange(request.years);
  const std::vector<HolidaySchedule> known = KnownSchedules(ReadHolidayListFile().list);
  RangeSchedules chosen = SchedulesIn(known, years);
  if (!chosen.missing.empty()) {
    err << "tessarine-cli holidays: no schedule for " << fmt::format("{}", fmt::join(chosen.missing, ", "))
        << " (known: " << known.front().year << "-" << known.back().year << ")\n";
  }
  if (chosen.known.empty()) {
    err << "tessarine-cli holidays: no known year in the range: nothing written\n";
    return 1;
  }
  return RunGeneration(HolidaysRequest{years, std::move(chosen.known), request.naming}, request.folder, "holidays", out,
                       err);
}

}  // namespace

int RunHolidays(const Arguments& args, std::ostream& out, std::ostream& err) {
  try {
    const std::optional<Request> request = ParseRequest(args, out);
    if (!request) return 0;  // the help was asked for
    return request->notice ? Import(*request, out, err) : WriteCalendar(*request, out, err);
  } catch (const UsageError& e) {
    err << "tessarine-cli holidays: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
}

}  // namespace tessarine::cli
