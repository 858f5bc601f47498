// tessarine-cli ics: one calendar file per year, written into a chosen folder.
#include <filesystem>
#include <system_error>

#include "cli/arguments.h"
#include "cli/deferred_signals.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/local_clock.h"
#include "compose/title_format.h"
#include "export/new_file.h"
#include "export/year_calendar.h"

namespace tessarine::cli {
namespace {

struct IcsRequest {
  std::chrono::year start, end;
  std::filesystem::path folder;
  TitleFormat format;
};

IcsRequest ParseIcs(const Arguments& args, std::ostream& out, bool& help) {
  CLI::App app;
  PrepareCommand(app, help);
  FormatOptions format;
  format.AddTo(app, true);
  std::string output = ".";
  std::vector<std::string> templ, years;
  bool keepSpaces = false;
  app.add_option("--output", output);
  app.add_option("--template", templ)->expected(1);
  app.add_flag("--keep-spaces", keepSpaces);
  app.add_option("years", years);
  Parse(app, args);
  if (help) {
    out << kIcsHelp << kFormatOptionsHelp;
    return {};
  }
  if (years.empty() || years.size() > 2) throw UsageError("ics needs a start year and at most an end year");
  IcsRequest request;
  request.start = ParseYearArgument(years.front(), "start year");
  request.end = years.size() == 2 ? ParseYearArgument(years.back(), "end year") : request.start;
  if (request.end < request.start) {
    throw UsageError("end year " + Quoted(years.back()) + " is before the start year " + Quoted(years.front()));
  }
  request.format.monthNaming = format.Naming();
  if (templ.empty()) {
    request.format.style = format.Normal();
  } else {
    request.format.style = TemplateFormat{TemplateArgument(templ.back()), !keepSpaces};
  }
  request.folder = OutputFolder(output);
  return request;
}

}  // namespace

int RunIcs(const Arguments& args, std::ostream& out, std::ostream& err) {
  IcsRequest request;
  try {
    bool help = false;
    request = ParseIcs(args, out, help);
    if (help) return 0;
  } catch (const UsageError& e) {
    err << "tessarine-cli ics: " << EscapeControls(e.what()) << "\n";
    return 2;
  }

  const auto titleOf = [&request](std::chrono::sys_days date) { return TitleOf(date, request.format); };
  int status = 0;
  // A year whose file fails does not stop the next one.
  for (auto year = request.start; year <= request.end; ++year) {
    const auto now = LocalNow();
    const std::string bytes = YearCalendarFile(year, titleOf, now);
    WrittenFile written;
    {
      const DeferredSignals deferred;
      written = WriteNewFile(request.folder, YearFileName(year, now), bytes);
    }
    if (written.error) {
      err << "tessarine-cli ics: cannot write " << written.path.string() << ": " << written.error.message() << "\n";
      status = 1;
    } else {
      out << written.path.string() << "\n";
    }
  }
  return status;
}

}  // namespace tessarine::cli
