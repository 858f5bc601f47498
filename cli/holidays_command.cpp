// tessarine-cli holidays: the official days off and make-up workdays as one
// calendar file, and a new year read from the State Council's notice.
#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/holiday_list_file.h"
#include "cli/local_clock.h"
#include "cli/notice_import.h"

namespace tessarine::cli {
namespace {

struct Request {
  std::vector<std::string> years;
  std::optional<std::string> rolling;  // --rolling N
  std::optional<ImportRequest> notice;  // --import FILE, or - for standard input
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
  app.add_option_function<std::string>("--import", [&request](const std::string& given) {
    request.notice = ImportRequest{given, std::nullopt, false};
  });
  bool dryRun = false, acceptUnbalanced = false;
  std::optional<std::string> year;
  app.add_flag("--dry-run", dryRun);
  app.add_flag("--accept-unbalanced", acceptUnbalanced);
  app.add_option_function<std::string>("--year", [&year](const std::string& given) { year = given; });
  app.add_flag("--fixed-name", request.naming.fixedName);
  app.add_option_function<std::string>("--rolling", [&request](const std::string& given) { request.rolling = given; });
  app.add_option("years", request.years);
  Parse(app, args);
  if (help) {
    out << WithYears(kHolidaysHelpFormat);
    return std::nullopt;
  }
  if (request.notice && request.notice->source.empty()) {
    throw UsageError("--import needs a file, or - for standard input");
  }
  if ((dryRun || year || acceptUnbalanced) && !request.notice) {
    throw UsageError("--dry-run, --year and --accept-unbalanced go with --import");
  }
  if (request.notice) {
    request.notice->dryRun = dryRun;
    request.notice->acceptUnbalanced = acceptUnbalanced;
    if (year) request.notice->year = static_cast<int>(ParseYearRange({*year}).first());
  }
  if (request.notice && (!request.years.empty() || request.rolling)) {
    throw UsageError("--import takes no years: the notice names its own");
  }
  if (!request.notice) CommandYears(request.years, request.rolling, "holidays", LocalNow());  // refused before any work
  request.naming.rolling = request.rolling.has_value();
  request.folder = OutputFolder(output);
  return request;
}

int WriteCalendar(const Request& request, std::ostream& out, std::ostream& err) {
  const YearRange years = CommandYears(request.years, request.rolling, "holidays", LocalNow());
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
    return request->notice ? ImportNotice(*request->notice, out, err) : WriteCalendar(*request, out, err);
  } catch (const UsageError& e) {
    err << "tessarine-cli holidays: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
}

}  // namespace tessarine::cli
