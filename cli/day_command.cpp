// tessarine-cli day: the full description of each date, one tab-separated
// line per date, or with --json one JSON object per line (JSON Lines) for
// scripts: the day as numbers and its names.
#include <chrono>
#include <memory>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "calendar/festival_ids.h"
#include "compose/almanac_text.h"
#include "compose/day_names.h"
#include "export/holiday_calendar.h"
#include "lists/region_holiday_list.h"
#include "cli/arguments.h"
#include "cli/holiday_list_file.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/help_day.h"

namespace tessarine::cli {
namespace {

struct DayOptions {
  bool help = false;
  FormatOptions format;
  bool json = false;
  std::vector<std::string> dates;
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
  const DayAlmanac almanac = GetDayAlmanac(info.date, info.term, info.calendar, info.region);
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

// Each festival of the day as {"id", "name"}: the id the same in every
// language, so that a script finds 설날 and Tết by one key.
template <typename Festival>
nlohmann::ordered_json FestivalsJson(const FestivalList<Festival>& festivals, Region region, Language language) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Festival festival : festivals) {
    std::string_view id;
    if constexpr (std::is_same_v<Festival, LunarFestival>) {
      id = FestivalId(festival, region);
    } else {
      id = FestivalId(festival);
    }
    list.push_back({{"id", id}, {"name", FestivalName(festival, language)}});
  }
  return list;
}

// The region's official day, as the holiday list and the built-in
// schedules know it: {"kind": "off"|"work", "name", "status"}, or null.
nlohmann::ordered_json HolidayJson(sys_days date, const MarkedDays& holidays) {
  const auto found = holidays.find(date);
  if (found == holidays.end()) return nullptr;
  const HolidayDay& day = found->second;
  return {{"kind", day.kind == HolidayKind::DayOff ? "off" : "work"},
          {"name", day.name},
          {"status", day.status == HolidayStatus::Official ? "official" : "provisional"}};
}

std::string JsonLine(sys_days date, const DayInfo& info, const DayNames& names, const std::string& title,
                     Language language, const MarkedDays& holidays) {
  nlohmann::ordered_json day = {
      {"date", IsoDate(date)},
      {"weekday", std::chrono::weekday{date}.iso_encoding()},
      {"calendar", CalendarTag(info.calendar)},
      {"region", RegionTag(info.region)},
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
      {"lunarFestivals", FestivalsJson(info.lunarFestivals, info.region, language)},
      {"solarFestivals", FestivalsJson(info.solarFestivals, info.region, language)},
      {"title", title},
      {"holiday", HolidayJson(date, holidays)},
  };
  if (!names.term.empty()) day["term"] = names.term;
  if (!names.festival.empty()) day["festivals"].push_back(names.festival);
  if (!names.gregorian.empty()) day["festivals"].push_back(names.gregorian);
  AddAlmanac(day, info, language);
  return day.dump() + "\n";
}

// Every argument is checked before the first line is written.
int RunDay(const DayOptions& options, std::ostream& out) {
  if (options.help) {
    out << kDayHelp << kFormatOptionsHelp << "\n" << WithYears(kDatesHelpFormat);
    return 0;
  }
  if (options.dates.empty()) throw UsageError("day needs at least one date or range");
  std::vector<DateSpan> spans;
  for (const auto& arg : options.dates) spans.push_back(ParseDateArgument(arg));
  const FormatOptions& format = options.format;
  const NormalFormat normal = format.Normal();
  const LunarCalendar calendar = format.Calendar();
  const Region region = format.Place();
  const Language language = format.Script();
  // The list is read for JSON alone, as ics reads it for --holiday-marks.
  const MarkedDays holidays = options.json ? MarksOf(KnownSchedules(ReadHolidayListFile().list, region)) : MarkedDays{};
  for (const auto& span : spans) {
    for (auto date = span.from; date <= span.to && out; date += std::chrono::days{1}) {
      const DayInfo info = GetDayInfo(date, calendar, region);
      const DayNames names = NamesOf(date, info, format.Naming(), language);
      const std::string title = NormalSummary(info, normal, format.Naming(), language);
      out << (options.json ? JsonLine(date, info, names, title, language, holidays) : TabLine(date, names, title));
    }
  }
  return out ? 0 : 1;  // a lost line is reported by the caller
}

}  // namespace

CommandRun AddDay(CLI::App& command) {
  auto options = std::make_shared<DayOptions>();  // filled in by the parse, read by the run
  PrepareCommand(command, options->help);
  options->format.AddTo(command, true);
  command.add_flag("--json", options->json);
  command.add_option("dates", options->dates);
  return [options](std::ostream& out, std::ostream&) { return RunDay(*options, out); };
}

}  // namespace tessarine::cli
