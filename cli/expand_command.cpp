// tessarine-cli expand: a custom-format template expanded for each date.
#include <chrono>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "compose/template_engine.h"

namespace tessarine::cli {

int RunExpand(const Arguments& args, std::ostream& out, std::ostream& err) {
  FormatOptions format;
  bool keepSpaces = false;
  std::string templ;
  LunarCalendar calendar = LunarCalendar::China;
  Language language = Language::ZhHans;
  std::vector<DateSpan> spans;
  try {
    CLI::App app;
    bool help = false;
    PrepareCommand(app, help);
    format.AddTo(app, false);
    app.add_flag("--keep-spaces", keepSpaces);
    std::vector<std::string> positionals;
    app.add_option("arguments", positionals);
    Parse(app, args);
    if (help) {
      out << kExpandHelp << WithYears(kDatesHelpFormat);
      return 0;
    }
    if (positionals.size() < 2) throw UsageError("expand needs a template and at least one date");
    templ = TemplateArgument(positionals.front());
    calendar = format.Calendar();
    language = format.Script();
    for (std::size_t i = 1; i < positionals.size(); ++i) spans.push_back(ParseDateArgument(positionals[i]));
  } catch (const UsageError& e) {
    err << "tessarine-cli expand: " << EscapeControls(e.what()) << "\n";
    return 2;
  }

  std::string line;
  for (const auto& span : spans) {
    for (auto date = span.from; date <= span.to && out; date += std::chrono::days{1}) {
      line.assign(IsoDate(date)).append("\t");
      line.append(ExpandTemplate(templ, date, format.Naming(), !keepSpaces, language, calendar)).append("\n");
      out << line;
    }
  }
  return out ? 0 : 1;  // a lost line is reported by the caller
}

}  // namespace tessarine::cli
