// tessarine-cli holidays: a region's official days off and make-up workdays
// as one calendar file, a new year read from the State Council's notice, and
// the years of Taiwan's 辦公日曆表 or Hong Kong's feed.
#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>
#include <memory>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/help_holidays.h"
#include "cli/holiday_list_file.h"
#include "cli/local_clock.h"
#include "cli/notice_import.h"
#include "cli/region_import.h"
#include "lists/region_holiday_list.h"

namespace tessarine::cli {
namespace {

struct Request {
  bool help = false;
  std::vector<std::string> years;
  std::optional<int> rolling;  // --rolling N
  std::optional<ImportRequest> notice;  // --import FILE, or - for standard input
  std::optional<RegionImportRequest> published;  // --import-tw or --import-hk FILE, or -
  bool twoPublished = false;                     // both given
  std::string output = ".";
  std::filesystem::path folder;
  FileNaming naming;
  bool dryRun = false, acceptUnbalanced = false;
  std::optional<std::string> year;  // --year, as given
  RegionChoice where;  // whose schedule, and the language of its marks and name
};

void AddOptions(CLI::App& command, const std::shared_ptr<Request>& request) {
  PrepareCommand(command, request->help);
  command.add_option("--output", request->output);
  command.add_option_function<std::string>("--import", [request](const std::string& given) {
    request->notice = ImportRequest{given, std::nullopt, false};
  });
  for (const Region region : {Region::Taiwan, Region::HongKong}) {
    const auto take = [request, region](const std::string& given) {
      request->twoPublished = request->published.has_value();
      request->published = RegionImportRequest{region, given};
    };
    command.add_option_function<std::string>(fmt::format("--import-{}", RegionTag(region)), take);
  }
  command.add_flag("--dry-run", request->dryRun);
  command.add_flag("--accept-unbalanced", request->acceptUnbalanced);
  command.add_option_function<std::string>("--year", [request](const std::string& given) { request->year = given; });
  command.add_flag("--fixed-name", request->naming.fixedName);
  AddCount(command, "--rolling", "years", 99, request->rolling);
  request->where.AddTo(command);
  command.add_option("years", request->years);
}

// A region's file to import: alone, with at most --dry-run.
void CheckPublished(Request& request) {
  if (request.published->source.empty()) {
    throw UsageError("--import-tw and --import-hk need a file, or - for standard input");
  }
  if (request.twoPublished || request.notice || request.year || request.acceptUnbalanced) {
    throw UsageError("--import-tw and --import-hk import one file, without --import, --year or --accept-unbalanced");
  }
  if (!request.years.empty() || request.rolling) {
    throw UsageError("--import-tw and --import-hk take no years: the file names its own");
  }
  request.published->dryRun = request.dryRun;
}

// The options checked together, before any work.
void Check(Request& request) {
  const RegionChoice& where = request.where;
  if ((request.published || request.notice) && (where.region || where.calendar || where.language)) {
    throw UsageError("--import, --import-tw and --import-hk read their own region's file: no --region, --calendar "
                     "or --language");
  }
  if (request.published) return CheckPublished(request);
  if (request.notice && request.notice->source.empty()) {
    throw UsageError("--import needs a file, or - for standard input");
  }
  if ((request.dryRun || request.year || request.acceptUnbalanced) && !request.notice) {
    throw UsageError("--dry-run, --year and --accept-unbalanced go with --import");
  }
  if (request.notice) {
    request.notice->dryRun = request.dryRun;
    request.notice->acceptUnbalanced = request.acceptUnbalanced;
    if (request.year) request.notice->year = static_cast<int>(ParseYearRange({*request.year}).first());
  }
  if (request.notice && (!request.years.empty() || request.rolling)) {
    throw UsageError("--import takes no years: the notice names its own");
  }
  if (!request.notice) CommandYears(request.years, request.rolling, "holidays", LocalNow());  // refused before any work
  request.naming.rolling = request.rolling.has_value();
  request.folder = OutputFolder(request.output);
}

// "1901-1990, 2027": years in order, each unbroken run as one span.
std::string Spans(const std::vector<int>& years) {
  std::vector<std::string> spans;
  for (std::size_t at = 0; at < years.size();) {
    std::size_t end = at;
    while (end + 1 < years.size() && years[end + 1] == years[end] + 1) ++end;
    spans.push_back(end == at ? fmt::format("{}", years[at]) : fmt::format("{}-{}", years[at], years[end]));
    at = end + 1;
  }
  return fmt::format("{}", fmt::join(spans, ", "));
}

int WriteCalendar(const Request& request, std::ostream& out, std::ostream& err) {
  const YearRange years = CommandYears(request.years, request.rolling, "holidays", LocalNow());
  const Region region = request.where.Place();
  const std::vector<HolidaySchedule> known = KnownSchedules(ReadHolidayListFile().list, region);
  RangeSchedules chosen = SchedulesIn(known, years);
  if (!chosen.missing.empty()) {
    std::vector<int> knownYears;
    for (const HolidaySchedule& schedule : known) knownYears.push_back(schedule.year);
    const std::string whose = region == Region::China ? "" : fmt::format("of {} ", RegionTag(region));
    err << "tessarine-cli holidays: no schedule " << whose << "for " << Spans(chosen.missing)
        << " (known: " << Spans(knownYears) << ")\n";
  }
  if (chosen.known.empty()) {
    err << "tessarine-cli holidays: no known year in the range: nothing written\n";
    return 1;
  }
  HolidaysRequest calendar{years, region, request.where.Script(), std::move(chosen.known), request.naming};
  return RunGeneration(calendar, request.folder, "holidays", out, err);
}

}  // namespace

CommandRun AddHolidays(CLI::App& command) {
  auto options = std::make_shared<Request>();  // filled in by the parse, read by the run
  AddOptions(command, options);
  return [options](std::ostream& out, std::ostream& err) {
    if (options->help) {
      out << WithYears(kHolidaysHelpFormat);
      return 0;
    }
    Request request = *options;
    Check(request);
    if (request.published) return ImportRegionFile(*request.published, out, err);
    return request.notice ? ImportNotice(*request.notice, out, err) : WriteCalendar(request, out, err);
  };
}

}  // namespace tessarine::cli
