// tessarine-cli day: the full description of each date, one tab-separated
// line per date.
#include <chrono>

#include "calendar/day_info.h"
#include "calendar/solar_festivals.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"

namespace tessarine::cli {

int RunDay(const Arguments& args, std::ostream& out, std::ostream& err) {
  FormatOptions format;
  NormalFormat normal;
  Language language = Language::ZhHans;
  std::vector<DateSpan> spans;
  try {
    CLI::App app;
    bool help = false;
    PrepareCommand(app, help);
    format.AddTo(app, true);
    std::vector<std::string> dates;
    app.add_option("dates", dates);
    Parse(app, args);
    if (help) {
      out << kDayHelp << kFormatOptionsHelp << "\n" << WithYears(kDatesHelpFormat);
      return 0;
    }
    if (dates.empty()) throw UsageError("day needs at least one date or range");
    for (const auto& arg : dates) spans.push_back(ParseDateArgument(arg));
    normal = format.Normal();  // refuses a bad --mode or --both before any output
    language = format.Script();
  } catch (const UsageError& e) {
    err << "tessarine-cli day: " << EscapeControls(e.what()) << "\n";
    return 2;
  }

  // Fields 2 to 6 are the plain description; the title applies the normal
  // format to it.
  std::string line;
  for (const auto& span : spans) {
    for (auto date = span.from; date <= span.to && out; date += std::chrono::days{1}) {
      const DayInfo info = GetDayInfo(date, format.Naming(), language);
      const std::string title = NormalSummary(info, normal);
      const std::string yearText = info.yearText();
      line.assign(IsoDate(date));
      for (const std::string_view field :
           {std::string_view(yearText), std::string_view(info.monthText), std::string_view(info.dayText),
            std::string_view(info.termText), std::string_view(info.festText),
            SolarFestivalOf(std::chrono::year_month_day{date}, language),
            WeekdayNames[std::chrono::weekday{date}.c_encoding()], std::string_view(title)}) {
        line.append("\t").append(field);
      }
      line.append("\n");
      out << line;
    }
  }
  return out ? 0 : 1;  // a lost line is reported by the caller
}

}  // namespace tessarine::cli
