#include "compose/day_names.h"

#include "calendar/solar_festivals.h"

namespace tessarine {

std::string_view FestivalName(const DayInfo& info, Language language) {
  if (!info.festival) return {};
  return VocabularyOf(language).lunarFestivals[static_cast<std::size_t>(*info.festival)];
}

std::string_view TermName(const DayInfo& info, Language language) {
  return info.term == 0 ? std::string_view() : VocabularyOf(language).terms[info.term - 1];
}

DayNames NamesOf(sys_days date, const DayInfo& info, MonthNaming naming, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  DayNames names;
  names.weekday = words.weekdays[std::chrono::weekday{date}.c_encoding()];
  // The Gregorian festivals are China's, so only the Chinese calendar shows them.
  if (info.calendar == LunarCalendar::China) names.gregorian = SolarFestivalOf(std::chrono::year_month_day{date}, language);
  if (!info.described()) return names;
  names.stemBranch = StemBranchName(info.lunar.year, language);
  names.zodiac = ZodiacName(info.lunar.year, language);
  names.year = YearName(info.lunar.year, language);
  names.month = MonthName(info.lunar.month, info.lunar.leap, naming, language);
  names.day = DayName(info.lunar.day, language);
  names.term = TermName(info, language);
  names.festival = FestivalName(info, language);
  return names;
}

}  // namespace tessarine
