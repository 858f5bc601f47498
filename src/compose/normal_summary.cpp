#include "compose/normal_summary.h"

#include "compose/almanac_text.h"
#include "compose/day_names.h"

namespace tessarine {

namespace {

std::string LunarTitle(const DayInfo& info, const NormalFormat& format, MonthNaming naming, Language language) {
  const bool showFestival = !format.withoutFestivalsAndTerms && format.mode != DisplayMode::TermsOnly;
  const bool showTerm = !format.withoutFestivalsAndTerms;
  const std::string_view fest = showFestival ? FestivalName(info, language) : std::string_view();
  const std::string_view term = showTerm ? TermName(info, language) : std::string_view();

  if (!fest.empty() && !term.empty()) {
    switch (format.onSameDay) {
      case FestivalAndTerm::Festival: return std::string(fest);
      case FestivalAndTerm::Term: return std::string(term);
      case FestivalAndTerm::Both: return std::string(fest).append("/").append(term);
    }
  }
  if (!fest.empty()) return std::string(fest);
  if (!term.empty()) return std::string(term);

  switch (format.mode) {
    case DisplayMode::FestivalsAndTerms:
    case DisplayMode::TermsOnly: return {};  // no lunar day at all
    case DisplayMode::Day:
    case DisplayMode::MonthAndDay: break;
  }
  // The first of a month shows the month's name. A lunar date is marked as
  // the language marks it among Gregorian days (음 3.15).
  std::string title(VocabularyOf(language).titleMark);
  if (info.lunar.day == 1) return title.append(MonthName(info.lunar.month, info.lunar.leap, naming, language));
  if (format.mode == DisplayMode::MonthAndDay) return title.append(MonthAndDayName(info.lunar, naming, language));
  return title.append(DayOfMonthName(info.lunar, language));
}

void Append(std::string& title, std::string_view addition) {
  if (addition.empty()) return;
  if (!title.empty()) title.append(" ");
  title.append(addition);
}

}  // namespace

std::string NormalSummary(const DayInfo& info, const NormalFormat& format, MonthNaming naming, Language language) {
  if (!info.described()) return {};
  std::string title = LunarTitle(info, format, naming, language);
  if (!format.withMoonPhases && !format.withSeasonCounts) return title;
  const DayAlmanac almanac = GetDayAlmanac(info.date, info.term, info.calendar, info.region);
  if (format.withMoonPhases && almanac.moonPhase) Append(title, PhaseName(almanac.moonPhase->phase, language));
  if (format.withSeasonCounts) Append(title, SeasonCountText(almanac, language));
  return title;
}

}  // namespace tessarine
