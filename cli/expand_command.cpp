// tessarine-cli expand: a custom-format template expanded for each date.
#include <algorithm>
#include <chrono>
#include <memory>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "compose/template_engine.h"

namespace tessarine::cli {
namespace {

// Whether the text may hold something EscapeControls shows as a code.
bool HasControls(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || byte == 0xC2;  // 0xC2 leads U+0080..U+00BF, C1 controls among them
  });
}

struct ExpandOptions {
  bool help = false;
  FormatOptions format;
  bool keepSpaces = false;
  std::vector<std::string> positionals;  // the template, then the dates
};

// Every argument is checked before the first line is written.
int RunExpand(const ExpandOptions& options, std::ostream& out) {
  if (options.help) {
    out << kExpandHelp << WithYears(kDatesHelpFormat);
    return 0;
  }
  const auto& positionals = options.positionals;
  if (positionals.size() < 2) throw UsageError("expand needs a template and at least one date");
  const LunarCalendar calendar = options.format.Calendar();
  const Region region = options.format.Place();
  const Language language = options.format.Script();
  const std::string templ = TemplateArgument(positionals.front(), language, region);
  std::vector<DateSpan> spans;
  for (std::size_t i = 1; i < positionals.size(); ++i) spans.push_back(ParseDateArgument(positionals[i]));
  std::string line;
  for (const auto& span : spans) {
    for (auto date = span.from; date <= span.to && out; date += std::chrono::days{1}) {
      line.assign(IsoDate(date)).append("\t");
      const std::string title = ExpandTemplate(templ, GetDayInfo(date, calendar, region), options.format.Naming(),
                                               !options.keepSpaces, language);
      // A template's line ends, tabs and escape sequences would break the
      // line or reach the terminal as commands: shown as codes, as in every
      // message. The text itself, Chinese and all, stays as it is.
      line.append(HasControls(title) ? EscapeControls(title) : title).append("\n");
      out << line;
    }
  }
  return out ? 0 : 1;  // a lost line is reported by the caller
}

}  // namespace

CommandRun AddExpand(CLI::App& command) {
  auto options = std::make_shared<ExpandOptions>();  // filled in by the parse, read by the run
  PrepareCommand(command, options->help);
  options->format.AddTo(command, false);
  command.add_flag("--keep-spaces", options->keepSpaces);
  command.add_option("arguments", options->positionals);
  return [options](std::ostream& out, std::ostream&) { return RunExpand(*options, out); };
}

}  // namespace tessarine::cli
