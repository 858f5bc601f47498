#include "compose/almanac_text.h"

#include <fmt/format.h>

#include "compose/day_names.h"

namespace tessarine {
namespace {

// hh:mm of `moment` counted as UTC. Worked out from the minutes themselves:
// fmt's chrono formatting goes through the C library's clock, which reads
// a time point in the machine's own time zone and refuses one past time_t.
std::string Clock(Moment moment) {
  const std::chrono::hh_mm_ss time(moment - std::chrono::floor<std::chrono::days>(moment));
  return fmt::format("{:02}:{:02}", time.hours().count(), time.minutes().count());
}

}  // namespace

std::string UtcText(Moment moment) {
  const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(moment)};
  return fmt::format("{:04}-{:02}-{:02}T{}Z", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                     static_cast<unsigned>(date.day()), Clock(moment));
}

std::string ClockText(Moment moment, LunarCalendar calendar) {
  // The civil time printed as a clock reads: the same minutes counted as if UTC.
  return Clock(Moment{CivilTime(calendar, moment).time_since_epoch()});
}

std::string_view PhaseName(MoonPhase phase, Language language) {
  return VocabularyOf(language).moonPhases[static_cast<std::size_t>(phase)];
}

std::string PhaseText(const DayAlmanac& almanac, LunarCalendar calendar, Language language) {
  if (!almanac.moonPhase) return {};
  return std::string(PhaseName(almanac.moonPhase->phase, language))
      .append(" ")
      .append(ClockText(almanac.moonPhase->moment, calendar));
}

std::string TermTimeText(const DayAlmanac& almanac, LunarCalendar calendar) {
  return almanac.termMoment ? ClockText(*almanac.termMoment, calendar) : std::string();
}

std::string SeasonCountText(const DayAlmanac& almanac, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  std::string_view period;
  unsigned day = 0;
  if (almanac.dogDays) {
    period = words.dogDays[almanac.dogDays->period - 1];
    if (almanac.dogDaysStyle == DogDaysStyle::FirstDays) return std::string(period);  // 초복, not 초복 1일째
    day = almanac.dogDays->day;
  } else if (almanac.nineNines) {
    period = words.nines[almanac.nineNines->period - 1];
    day = almanac.nineNines->day;
  } else {
    return {};
  }
  return fmt::format(fmt::runtime(words.periodDayPattern), fmt::arg("period", period), fmt::arg("day", day));
}

std::string GanzhiText(const DayAlmanac& almanac, Language language) {
  return fmt::format(fmt::runtime(VocabularyOf(language).ganzhiPattern),
                     fmt::arg("year", CycleName(almanac.yearCycleByTerm, language)),
                     fmt::arg("month", CycleName(almanac.monthCycle, language)),
                     fmt::arg("day", CycleName(almanac.dayCycle, language)));
}

std::string DescriptionOf(const DayInfo& info, const DayAlmanac& almanac, MonthNaming naming, Language language) {
  if (!info.described()) return {};
  const DayNames names = NamesOf(info.date, info, naming, language);
  std::string text = LunarDateName(info.lunar, naming, language, info.calendar);
  text.append("\n").append(GanzhiText(almanac, language));
  if (!names.term.empty()) text.append("\n").append(names.term).append(" ").append(TermTimeText(almanac, info.calendar));
  for (const LunarFestival festival : info.lunarFestivals) text.append("\n").append(FestivalName(festival, language));
  for (const SolarFestival festival : info.solarFestivals) text.append("\n").append(FestivalName(festival, language));
  if (const std::string phase = PhaseText(almanac, info.calendar, language); !phase.empty()) {
    text.append("\n").append(phase);
  }
  if (const std::string count = SeasonCountText(almanac, language); !count.empty()) text.append("\n").append(count);
  return text;
}

}  // namespace tessarine
