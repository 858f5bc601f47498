// tessarine-cli ics: one calendar file per year, written into a chosen folder.
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/holiday_list_file.h"
#include "cli/local_clock.h"
#include "lists/region_holiday_list.h"

namespace tessarine::cli {
namespace {

struct IcsOptions {
  bool help = false;
  FormatOptions format;
  std::string output = ".";
  std::vector<std::string> templ, years;
  bool keepSpaces = false, holidayMarks = false, describe = false;
  FileNaming naming;
  std::optional<int> rolling;
};

// The files to write, or a UsageError before any is written.
YearFilesRequest FilesRequest(const IcsOptions& options) {
  const FormatOptions& format = options.format;
  const YearRange range = CommandYears(options.years, options.rolling, "ics", LocalNow());
  FileNaming naming = options.naming;
  naming.rolling = options.rolling.has_value();
  TitleFormat titles;
  titles.monthNaming = format.Naming();
  titles.calendar = format.Calendar();
  titles.region = format.Place();
  titles.language = format.Script();
  if (options.templ.empty()) {
    titles.style = format.Normal();
  } else {
    titles.style = TemplateFormat{TemplateArgument(options.templ.back(), titles.language, titles.region), !options.keepSpaces};
  }
  return {range, titles, {}, naming, options.describe};
}

int RunIcs(const IcsOptions& options, std::ostream& out, std::ostream& err) {
  if (options.help) {
    out << WithYears(kIcsHelpFormat) << kFormatOptionsHelp;
    return 0;
  }
  YearFilesRequest files = FilesRequest(options);
  const std::filesystem::path folder = OutputFolder(options.output);
  if (options.holidayMarks) files.holidayMarks = KnownSchedules(ReadHolidayListFile().list, files.format.region);
  return RunGeneration(files, folder, "ics", out, err);
}

}  // namespace

CommandRun AddIcs(CLI::App& command) {
  auto options = std::make_shared<IcsOptions>();  // filled in by the parse, read by the run
  PrepareCommand(command, options->help);
  options->format.AddTo(command, true);
  command.add_option("--output", options->output);
  command.add_option("--template", options->templ)->expected(1);
  command.add_flag("--keep-spaces", options->keepSpaces);
  command.add_flag("--holiday-marks", options->holidayMarks);
  command.add_flag("--describe", options->describe);
  command.add_flag("--single-file", options->naming.singleFile);
  command.add_flag("--fixed-name", options->naming.fixedName);
  AddCount(command, "--rolling", "years", 99, options->rolling);
  command.add_option("years", options->years);
  return [options](std::ostream& out, std::ostream& err) { return RunIcs(*options, out, err); };
}

}  // namespace tessarine::cli
