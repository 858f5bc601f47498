// tessarine-cli ics: one calendar file per year, written into a chosen folder.
#include <filesystem>
#include <optional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/holiday_list_file.h"
#include "cli/local_clock.h"

namespace tessarine::cli {
namespace {

struct IcsRequest {
  YearFilesRequest files;
  std::filesystem::path folder;
};

std::optional<IcsRequest> ParseIcs(const Arguments& args, std::ostream& out) {
  CLI::App app;
  bool help = false;
  PrepareCommand(app, help);
  FormatOptions format;
  format.AddTo(app, true);
  std::string output = ".";
  std::vector<std::string> templ, years;
  bool keepSpaces = false, holidayMarks = false, describe = false;
  FileNaming naming;
  app.add_option("--output", output);
  app.add_option("--template", templ)->expected(1);
  app.add_flag("--keep-spaces", keepSpaces);
  app.add_flag("--holiday-marks", holidayMarks);
  app.add_flag("--describe", describe);
  app.add_flag("--single-file", naming.singleFile);
  app.add_flag("--fixed-name", naming.fixedName);
  std::optional<std::string> rolling;
  app.add_option_function<std::string>("--rolling", [&rolling](const std::string& given) { rolling = given; });
  app.add_option("years", years);
  Parse(app, args);
  if (help) {
    out << WithYears(kIcsHelpFormat) << kFormatOptionsHelp;
    return std::nullopt;
  }
  const YearRange range = CommandYears(years, rolling, "ics", LocalNow());
  naming.rolling = rolling.has_value();
  TitleFormat titles;
  titles.monthNaming = format.Naming();
  titles.calendar = format.Calendar();
  titles.language = format.Script();
  if (templ.empty()) {
    titles.style = format.Normal();
  } else {
    titles.style = TemplateFormat{TemplateArgument(templ.back()), !keepSpaces};
  }
  IcsRequest request{{range, titles, {}, naming, describe}, OutputFolder(output)};
  if (holidayMarks) request.files.holidayMarks = KnownSchedules(ReadHolidayListFile().list);
  return request;
}

}  // namespace

int RunIcs(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::optional<IcsRequest> request;
  try {
    request = ParseIcs(args, out);
    if (!request) return 0;  // the help was asked for
  } catch (const UsageError& e) {
    err << "tessarine-cli ics: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
  return RunGeneration(request->files, request->folder, "ics", out, err);
}

}  // namespace tessarine::cli
