// tessarine-cli expand: a custom-format template expanded for each date.
#include <chrono>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "compose/template_engine.h"

namespace tessarine::cli {

int RunExpand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  SummaryOptions options;
  options.bolDIY = true;  // templates are expanded with the custom-format tab showing
  std::vector<DateSpan> spans;
  try {
    const auto parsed = ParseArguments(args, {{}, {"keep-spaces", "plain-month-names"}});
    if (parsed.Has("help")) {
      out << kExpandHelp << kDatesHelp;
      return 0;
    }
    options.bolClearSpace = !parsed.Has("keep-spaces");
    options.bolDongLa = !parsed.Has("plain-month-names");
    if (parsed.Positionals.size() < 2) throw UsageError("expand needs a template and at least one date");
    options.strDIY = TemplateArgument(parsed.Positionals.front());
    for (std::size_t i = 1; i < parsed.Positionals.size(); ++i) {
      spans.push_back(ParseDateArgument(parsed.Positionals[i]));
    }
  } catch (const UsageError& e) {
    err << "tessarine-cli expand: " << e.what() << "\n";
    return 2;
  }

  LunarCalendar calendar(options);
  std::string line;
  for (const auto& span : spans) {
    for (auto date = span.From; date <= span.To; date += std::chrono::days{1}) {
      line.assign(IsoDate(date)).append("\t");
      line.append(ExpandTemplate(calendar, options.strDIY, date, options.bolClearSpace)).append("\n");
      out << line;
    }
  }
  return out ? 0 : 1;
}

}  // namespace tessarine::cli
