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
#include "export/replace_file.h"
#include "lists/holiday_notice.h"

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
  std::string output = ".", notice;
  app.add_option("--output", output);
  app.add_option("--import", notice);
  app.add_flag("--dry-run", request.dryRun);
  app.add_flag("--fixed-name", request.naming.fixedName);
  app.add_option("years", request.years);
  Parse(app, args);
  if (help) {
    out << WithYears(kHolidaysHelpFormat);
    return std::nullopt;
  }
  if (!notice.empty()) request.notice = notice;
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

int Import(const Request& request, std::ostream& out, std::ostream& err) {
  HolidayListFile file = ReadHolidayListFile();
  const auto parsed = ParseHolidayNotice(ReadNotice(*request.notice));
  if (const auto* error = std::get_if<NoticeError>(&parsed)) {
    err << "tessarine-cli holidays: not a readable notice: " << ProblemText(*error)
        << (error->sentence.empty() ? "" : ": " + EscapeControls(error->sentence)) << "\n";
    return 2;
  }
  const HolidaySchedule& schedule = std::get<HolidaySchedule>(parsed);
  for (const HolidayDay& day : schedule.days) {
    out << IsoDate(day.date) << '\t' << KindMark(day.kind) << '\t' << day.name << '\n';
  }
  if (request.dryRun) return 0;
  StoreSchedule(file.loaded.document, schedule);
  std::error_code ignored;
  std::filesystem::create_directories(file.path.parent_path(), ignored);
  const WrittenFile saved = ReplaceFile(file.path, SavedListBytes(file.loaded));
  if (saved.error) {
    err << "tessarine-cli holidays: cannot write " << file.path.string() << ": " << saved.error.message() << "\n";
    return 1;
  }
  err << "tessarine-cli holidays: " << schedule.year << " stored in " << file.path.string() << "\n";
  return 0;
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
