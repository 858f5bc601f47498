#include "compose/normal_summary.h"

namespace tessarine {

std::string NormalSummary(const DayInfo& info, const NormalFormat& format) {
  std::string day;
  if (format.mode == DisplayMode::FestivalsAndTerms || format.mode == DisplayMode::TermsOnly) {
    // no lunar day at all
  } else if (info.lunar.day == 1) {  // the first of a month shows the month's name
    day = info.monthText;
  } else if (format.mode == DisplayMode::MonthAndDay) {
    day = info.monthText + info.dayText;
  } else {
    day = info.dayText;
  }
  const bool showFestival = !format.withoutFestivalsAndTerms && format.mode != DisplayMode::TermsOnly;
  const bool showTerm = !format.withoutFestivalsAndTerms;
  const std::string_view fest = showFestival ? std::string_view(info.festText) : std::string_view();
  const std::string_view term = showTerm ? std::string_view(info.termText) : std::string_view();

  if (!fest.empty() && !term.empty()) {
    switch (format.onSameDay) {
      case FestivalAndTerm::Festival: return std::string(fest);
      case FestivalAndTerm::Term: return std::string(term);
      case FestivalAndTerm::Both: return std::string(fest).append("/").append(term);
    }
  }
  if (!fest.empty()) return std::string(fest);
  if (!term.empty()) return std::string(term);
  return day;
}

}  // namespace tessarine
