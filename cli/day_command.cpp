// tessarine-cli day: the full description of each date, one tab-separated
// line per date, or with --json one JSON object per line (JSON Lines) for
// scripts: the day as numbers and its names.
#include <chrono>

#include <nlohmann/json.hpp>

#include "compose/almanac_text.h"
#include "compose/day_names.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"

namespace tessarine::cli {
namespace {

struct DayRequest {
  FormatOptions format;
  NormalFormat normal;
  LunarCalendar calendar = LunarCalendar::China;
  Language language = Language::ZhHans;
  bool json = false;
  std::vector<DateSpan> spans;
};

// Fields 2 to 7 are the plain description; the title applies the normal
// format to it.
std::string TabLine(sys_days date, const DayNames& names, const std::string& title) {
  std::string line(IsoDate(date));
  for (const std::string_view field : {std::string_view(names.year), std::string_view(names.month), names.day,
                                       names.term, names.festival, names.gregorian, names.weekday,
                                       std::string_view(title)}) {
    line.append("\t").append(field);
  }
  return line.append("\n");
}

// The almanac layers: moments as UTC, periods as numbers, 干支 as names.
void AddAlmanac(nlohmann::ordered_json& day, const DayInfo& info, Language language) {
  static constexpr std::string_view kPhaseTags[] = {"new", "first_quarter", "full", "last_quarter"};
  const DayAlmanac almanac = GetDayAlmanac(info.date, info.term, info.calendar);
  const auto period = [](const std::optional<PeriodDay>& p, const char* name) {
    return p ? nlohmann::ordered_json{{name, p->period}, {"day", p->day}} : nlohmann::ordered_json(nullptr);
  };
  day["termTime"] = almanac.termMoment ? nlohmann::ordered_json(UtcText(*almanac.termMoment)) : nullptr;
  day["moonPhase"] = almanac.moonPhase ? nlohmann::ordered_json{{"phase", kPhaseTags[static_cast<int>(almanac.moonPhase->phase)]},
                                                                {"time", UtcText(almanac.moonPhase->moment)}}
                                       : nlohmann::ordered_json(nullptr);
  day["dogDays"] = period(almanac.dogDays, "period");
  day["shuJiu"] = period(almanac.nineNines, "nine");
  day["ganzhi"] = {{"year", CycleName(info.yearCycle, language)},
                   {"yearByTerm", CycleName(almanac.yearCycleByTerm, language)},
                   {"month", CycleName(almanac.monthCycle, language)},
                   {"day", CycleName(almanac.dayCycle, language)}};
}

std::string JsonLine(sys_days date, const DayInfo& info, const DayNames& names, const std::string& title,
                     Language language) {
  nlohmann::ordered_json day = {
      {"date", IsoDate(date)},
      {"calendar", CalendarTag(info.calendar)},
      {"lunarYear", info.lunar.year},
      {"month", info.lunar.month},
      {"leap", info.lunar.leap},
      {"day", info.lunar.day},
      {"monthDays", info.monthDays},
      {"yearName", names.stemBranch},
      {"zodiac", names.zodiac},
      {"monthName", names.month},
      {"dayName", names.day},
      {"term", nullptr},
      {"festivals", nlohmann::json::array()},
      {"title", title},
  };
  if (!names.term.empty()) day["term"] = names.term;
  if (!names.festival.empty()) day["festivals"].push_back(names.festival);
  if (!names.gregorian.empty()) day["festivals"].push_back(names.gregorian);
  AddAlmanac(day, info, language);
  return day.dump() + "\n";
}

}  // namespace

int RunDay(const Arguments& args, std::ostream& out, std::ostream& err) {
  DayRequest request;
  try {
    CLI::App app;
    bool help = false;
    PrepareCommand(app, help);
    request.format.AddTo(app, true);
    app.add_flag("--json", request.json);
    std::vector<std::string> dates;
    app.add_option("dates", dates);
    Parse(app, args);
    if (help) {
      out << kDayHelp << kFormatOptionsHelp << "\n" << WithYears(kDatesHelpFormat);
      return 0;
    }
    if (dates.empty()) throw UsageError("day needs at least one date or range");
    for (const auto& arg : dates) request.spans.push_back(ParseDateArgument(arg));
    request.normal = request.format.Normal();  // refuses a bad --mode or --both before any output
    request.calendar = request.format.Calendar();
    request.language = request.format.Script();
  } catch (const UsageError& e) {
    err << "tessarine-cli day: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
  for (const auto& span : request.spans) {
    for (auto date = span.from; date <= span.to && out; date += std::chrono::days{1}) {
      const DayInfo info = GetDayInfo(date, request.calendar);
      const DayNames names = NamesOf(date, info, request.format.Naming(), request.language);
      const std::string title = NormalSummary(info, request.normal, request.format.Naming(), request.language);
      out << (request.json ? JsonLine(date, info, names, title, request.language) : TabLine(date, names, title));
    }
  }
  return out ? 0 : 1;  // a lost line is reported by the caller
}

}  // namespace tessarine::cli
