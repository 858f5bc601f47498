#include "compose/day_names.h"

namespace tessarine {

std::string_view FestivalName(LunarFestival festival, Language language) {
  return VocabularyOf(language).lunarFestivals[static_cast<std::size_t>(festival)];
}

std::string_view FestivalName(SolarFestival festival, Language language) {
  return VocabularyOf(language).gregorianFestivals[static_cast<std::size_t>(festival)];
}

std::string_view FestivalName(const DayInfo& info, Language language) {
  const auto first = info.lunarFestivals.first();
  return first ? FestivalName(*first, language) : std::string_view();
}

std::string_view TermName(const DayInfo& info, Language language) {
  return info.term == 0 ? std::string_view() : VocabularyOf(language).terms[info.term - 1];
}

DayNames NamesOf(sys_days date, const DayInfo& info, MonthNaming naming, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  DayNames names;
  names.weekday = words.weekdays[std::chrono::weekday{date}.c_encoding()];
  if (const auto first = info.solarFestivals.first()) names.gregorian = FestivalName(*first, language);
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
