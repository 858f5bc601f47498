// tessarine-cli expand: a custom-format template expanded for each date.
#include <algorithm>
#include <chrono>

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

}  // namespace

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
      const std::string title = ExpandTemplate(templ, date, format.Naming(), !keepSpaces, language, calendar);
      // A template's line ends, tabs and escape sequences would break the
      // line or reach the terminal as commands: shown as codes, as in every
      // message. The text itself, Chinese and all, stays as it is.
      line.append(HasControls(title) ? EscapeControls(title) : title).append("\n");
      out << line;
    }
  }
  return out ? 0 : 1;  // a lost line is reported by the caller
}

}  // namespace tessarine::cli
