// tessarine-cli day: the full description of each date, one tab-separated
// line per date, as the window's preview describes days one after another.
#include <chrono>
#include <vector>

#include "calendar/day_info.h"
#include "calendar/solar_festivals.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "compose/normal_summary.h"

namespace tessarine::cli {

int RunDay(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  SummaryOptions options;
  std::vector<DateSpan> spans;
  try {
    const auto parsed = ParseArguments(args, {kFormatValueOptions, kFormatSwitches});
    if (parsed.Has("help")) {
      out << kDayHelp << kFormatOptionsHelp << "\n" << kDatesHelp;
      return 0;
    }
    ApplyFormatOptions(parsed, options);
    if (parsed.Positionals.empty()) throw UsageError("day needs at least one date or range");
    for (const auto& arg : parsed.Positionals) spans.push_back(ParseDateArgument(arg));
  } catch (const UsageError& e) {
    err << "tessarine-cli day: " << e.what() << "\n";
    return 2;
  }

  // Fields 2 to 6 are the description as the custom format sees it; the
  // title then applies the normal-format rules to a copy of it.
  SummaryOptions described = options;
  described.bolDIY = true;
  LunarCalendar calendar(described);
  std::string line;
  for (const auto& span : spans) {
    for (auto date = span.From; date <= span.To; date += std::chrono::days{1}) {
      const std::chrono::year_month_day ymd{date};
      const int year = static_cast<int>(ymd.year());
      const unsigned month = static_cast<unsigned>(ymd.month());
      const unsigned day = static_cast<unsigned>(ymd.day());
      const std::string yearText = std::to_string(year);

      calendar.LeapMonthFlag = 0;  // as every preview starts
      const DayInfo info = GetDayInfo(calendar, date, yearText);
      DayInfo titled = info;
      NormalSummary(titled, options);

      const std::string festival = SolarFestivalOf(calendar, yearText, static_cast<std::uint16_t>(month),
                                                   static_cast<std::uint16_t>(day));
      line.assign(IsoDate(date));
      for (const std::string_view field :
           {std::string_view(info.YearText), std::string_view(info.MonthText), std::string_view(info.DayText),
            std::string_view(info.TermText), std::string_view(info.FestText), std::string_view(festival),
            WeekdayNames[std::chrono::weekday{date}.c_encoding()], std::string_view(titled.Summary)}) {
        line.append("\t").append(field);
      }
      line.append("\n");
      out << line;
    }
  }
  return out ? 0 : 1;
}

}  // namespace tessarine::cli
