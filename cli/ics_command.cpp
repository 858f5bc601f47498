// tessarine-cli ics: the window's export, writing into a chosen folder.
#include <filesystem>
#include <system_error>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/console_platform.h"
#include "cli/help.h"
#include "export/ical_export.h"
#include "export/ical_text.h"

namespace tessarine::cli {

namespace {

std::string OutputFolder(const ParsedArguments& parsed) {
  const std::string given = parsed.Value("output").value_or(".");
  std::error_code error;
  const auto folder = std::filesystem::absolute(given, error);
  if (error || !std::filesystem::is_directory(folder, error)) {
    throw UsageError("output folder '" + given + "' does not exist or is not a folder");
  }
  return folder.lexically_normal().string();
}

}  // namespace

int RunIcs(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  SummaryOptions options;
  std::string folder;
  std::vector<std::string> years;
  try {
    auto valueOptions = kFormatValueOptions;
    valueOptions.insert(valueOptions.end(), {"output", "template"});
    auto switches = kFormatSwitches;
    switches.push_back("keep-spaces");
    const auto parsed = ParseArguments(args, {valueOptions, switches});
    if (parsed.Has("help")) {
      out << kIcsHelp << kFormatOptionsHelp;
      return 0;
    }
    ApplyFormatOptions(parsed, options);
    if (const auto templ = parsed.Value("template")) {
      options.bolDIY = true;
      options.strDIY = TemplateArgument(*templ);
    }
    options.bolClearSpace = !parsed.Has("keep-spaces");
    if (parsed.Positionals.empty() || parsed.Positionals.size() > 2) {
      throw UsageError("ics needs a start year and at most an end year");
    }
    years = parsed.Positionals;
    folder = OutputFolder(parsed);
  } catch (const UsageError& e) {
    err << "tessarine-cli ics: " << e.what() << "\n";
    return 2;
  }

  options.bolYs = years.size() == 2;
  LunarCalendar calendar(options);
  ConsolePlatform platform(folder, out, err);
  IcalExport exporter(calendar, platform);
  try {
    exporter.ExportRange(years.front(), years.back());
  } catch (const ConversionError& e) {
    err << e.what() << ".\n";
    return 2;
  }
  if (platform.RejectedInput()) return 2;
  return platform.WriteFailed() ? 1 : 0;
}

}  // namespace tessarine::cli
