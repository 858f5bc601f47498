#include "export/sky_calendar.h"

#include <fmt/format.h>

#include "calendar/sky_times.h"
#include "compose/almanac_text.h"
#include "export/year_calendar.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

// An event of the calendar's own, so that the files of two calendars live
// side by side in one account.
DayEvent EventAt(Moment moment, LunarCalendar calendar, std::string_view name, EventKind kind) {
  DayEvent event;
  event.date = sys_days{std::chrono::floor<std::chrono::days>(CivilTime(calendar, moment)).time_since_epoch()};
  event.title = std::string(name).append(" ").append(ClockText(moment, calendar));
  event.description = UtcText(moment);
  event.identity = {kind, calendar};
  return event;
}

}  // namespace

std::vector<DayEvent> SkyEvents(SkyKind kind, YearRange years, LunarCalendar calendar, Language language) {
  std::vector<DayEvent> events;
  if (kind == SkyKind::MoonPhases) {
    for (const PhaseMoment& phase : MoonPhasesBetween(years.firstDay(), years.lastDay(), calendar)) {
      events.push_back(EventAt(phase.moment, calendar, PhaseName(phase.phase, language), EventKind::MoonPhase));
    }
    return events;
  }
  const Vocabulary& words = VocabularyOf(language);
  for (int year = static_cast<int>(years.first()); year <= static_cast<int>(years.last()); ++year) {
    for (unsigned term = 1; term <= 24; ++term) {
      if (const auto moment = TermMoment(year, term)) {
        events.push_back(EventAt(*moment, calendar, words.terms[term - 1], EventKind::SolarTerm));
      }
    }
  }
  return events;
}

std::string SkyCalendarName(SkyKind kind, YearRange years, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  const std::string_view name = kind == SkyKind::MoonPhases ? words.moonCalendarName : words.termCalendarName;
  if (years.single()) return fmt::format("{} {}", name, static_cast<int>(years.first()));
  return fmt::format("{} {}-{}", name, static_cast<int>(years.first()), static_cast<int>(years.last()));
}

std::string SkyFileName(SkyKind kind, YearRange years, LunarCalendar calendar, std::chrono::local_seconds moment,
                        bool fixed) {
  const std::string_view what = kind == SkyKind::MoonPhases ? "MoonPhases" : "SolarTerms";
  // One year is named as a year's file is, its year once.
  const std::string stem =
      years.single() ? fmt::format("{}_{}_{}", StemOf(calendar), what, static_cast<int>(years.first()))
                     : fmt::format("{}_{}_{}-{}", StemOf(calendar), what, static_cast<int>(years.first()),
                                   static_cast<int>(years.last()));
  return CalendarFileName(stem, moment, fixed);
}

}  // namespace tessarine
