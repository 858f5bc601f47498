// tessarine-cli holidays: the official days off and make-up workdays as one
// calendar file, a new year read from the State Council's notice, and the
// years of Taiwan's 辦公日曆表 or Hong Kong's feed.
#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>
#include <memory>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/holiday_list_file.h"
#include "cli/local_clock.h"
#include "cli/notice_import.h"
#include "cli/region_import.h"

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
