// tessarine-cli moon and terms: the Moon's principal phases, or the 24 solar
// terms, of a span of years as one calendar file, each event titled with its
// civil time (满月 21:36, 立春 04:02) and holding its UTC moment.
#include <filesystem>
#include <optional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"

namespace tessarine::cli {
namespace {

std::optional<SkyEventsRequest> ParseSky(SkyKind kind, std::string_view name, const Arguments& args,
                                         std::ostream& out, std::filesystem::path& folder) {
  CLI::App app;
  bool help = false;
  PrepareCommand(app, help);
  std::optional<std::string> calendar, language;
  std::string output = ".";
  std::vector<std::string> years;
  bool fixedName = false;
  app.add_option("--output", output);
  app.add_option_function<std::string>("--calendar", [&calendar](const std::string& given) { calendar = given; });
  app.add_option_function<std::string>("--language", [&language](const std::string& given) { language = given; });
  app.add_flag("--fixed-name", fixedName);
  app.add_option("years", years);
  Parse(app, args);
  if (help) {
    out << WithYears(kind == SkyKind::MoonPhases ? kMoonHelpFormat : kTermsHelpFormat);
    return std::nullopt;
  }
  if (years.empty() || years.size() > 2) {
    throw UsageError(std::string(name) + " needs a start year and at most an end year");
  }
  SkyEventsRequest request{kind, ParseYearRange(years)};
  request.calendar = CalendarArgument(calendar);
  request.language = LanguageArgument(language, request.calendar);
  request.naming.fixedName = fixedName;
  folder = OutputFolder(output);
  return request;
}

int RunSky(SkyKind kind, const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::string_view name = kind == SkyKind::MoonPhases ? "moon" : "terms";
  std::optional<SkyEventsRequest> request;
  std::filesystem::path folder;
  try {
    request = ParseSky(kind, name, args, out, folder);
    if (!request) return 0;  // the help was asked for
  } catch (const UsageError& e) {
    err << "tessarine-cli " << name << ": " << EscapeControls(e.what()) << "\n";
    return 2;
  }
  return RunGeneration(*request, folder, name, out, err);
}

}  // namespace

int RunMoon(const Arguments& args, std::ostream& out, std::ostream& err) {
  return RunSky(SkyKind::MoonPhases, args, out, err);
}

int RunTerms(const Arguments& args, std::ostream& out, std::ostream& err) {
  return RunSky(SkyKind::SolarTerms, args, out, err);
}

}  // namespace tessarine::cli
