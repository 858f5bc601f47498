// tessarine-cli moon and terms: the Moon's principal phases, or the 24 solar
// terms, of a span of years as one calendar file, each event titled with its
// civil time (满月 21:36, 立春 04:02) and holding its UTC moment.
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"

namespace tessarine::cli {
namespace {

struct SkyOptions {
  bool help = false;
  RegionChoice where;  // whose clock, and the language
  std::string output = ".";
  std::vector<std::string> years;
  bool fixedName = false;
};

int RunSky(SkyKind kind, const SkyOptions& options, std::ostream& out, std::ostream& err) {
  const std::string_view name = kind == SkyKind::MoonPhases ? "moon" : "terms";
  if (options.help) {
    out << WithYears(kind == SkyKind::MoonPhases ? kMoonHelpFormat : kTermsHelpFormat);
    return 0;
  }
  if (options.years.empty() || options.years.size() > 2) {
    throw UsageError(std::string(name) + " needs a start year and at most an end year");
  }
  SkyEventsRequest request{kind, ParseYearRange(options.years)};
  request.calendar = options.where.Calendar();
  request.language = options.where.Script();
  request.naming.fixedName = options.fixedName;
  const std::filesystem::path folder = OutputFolder(options.output);
  return RunGeneration(request, folder, name, out, err);
}

CommandRun AddSky(SkyKind kind, CLI::App& command) {
  auto options = std::make_shared<SkyOptions>();  // filled in by the parse, read by the run
  PrepareCommand(command, options->help);
  command.add_option("--output", options->output);
  options->where.AddTo(command);
  command.add_flag("--fixed-name", options->fixedName);
  command.add_option("years", options->years);
  return [kind, options](std::ostream& out, std::ostream& err) { return RunSky(kind, *options, out, err); };
}

}  // namespace

CommandRun AddMoon(CLI::App& command) { return AddSky(SkyKind::MoonPhases, command); }

CommandRun AddTerms(CLI::App& command) { return AddSky(SkyKind::SolarTerms, command); }

}  // namespace tessarine::cli
