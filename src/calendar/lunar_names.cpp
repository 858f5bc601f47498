#include "calendar/lunar_names.h"

#include <fmt/format.h>

namespace tessarine {
namespace {

bool ValidDay(unsigned day) { return day >= 1 && day <= 30; }

// Every pattern may use every field; a language picks the ones it needs.
std::string Fill(std::string_view pattern, const LunarDate& date, MonthNaming naming, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  return fmt::format(fmt::runtime(pattern), fmt::arg("month", MonthName(date.month, date.leap, naming, language)),
                     fmt::arg("day", DayName(date.day, language)), fmt::arg("leap", date.leap ? words.leap : ""),
                     fmt::arg("monthNumber", date.month), fmt::arg("dayNumber", date.day));
}

}  // namespace

// The sexagenary cycle counts from year 4, a 甲子 year.
unsigned YearCycle(int year) { return static_cast<unsigned>(((year - 4) % 60 + 60) % 60); }

std::string CycleName(unsigned cycle, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  return std::string(words.stems[cycle % 10]).append(words.stemBranchJoin).append(words.branches[cycle % 12]);
}

std::string StemBranchName(int year, Language language) { return CycleName(YearCycle(year), language); }

std::string_view ZodiacName(int year, Language language) {
  return VocabularyOf(language).animals[YearCycle(year) % 12];
}

std::string YearName(int year, Language language) {
  return fmt::format(fmt::runtime(VocabularyOf(language).yearPattern), fmt::arg("cycle", StemBranchName(year, language)),
                     fmt::arg("animal", ZodiacName(year, language)));
}

std::string MonthName(unsigned month, bool leap, MonthNaming naming, Language language) {
  if (month < 1 || month > 12) return {};
  const Vocabulary& words = VocabularyOf(language);
  std::string name;
  name.reserve(24);
  if (leap) name.append(words.leap);
  name.append(month > 10 && naming == MonthNaming::Numbered ? words.numberedMonths[month - 11]
                                                            : words.months[month - 1]);
  if (leap) name.append(words.leapAfter);
  return name;
}

std::string_view DayName(unsigned day, Language language) {
  return ValidDay(day) ? VocabularyOf(language).days[day - 1] : std::string_view();
}

std::string DayOfMonthName(const LunarDate& date, Language language) {
  if (!ValidDay(date.day) || date.month < 1 || date.month > 12) return {};
  const std::string_view pattern = VocabularyOf(language).dayPattern;
  // The common pattern, the day's name alone, needs no formatting: this runs for every day written.
  if (pattern == "{day}") return std::string(DayName(date.day, language));
  return Fill(pattern, date, MonthNaming::WinterAndLast, language);
}

std::string MonthAndDayName(const LunarDate& date, MonthNaming naming, Language language) {
  if (!ValidDay(date.day) || date.month < 1 || date.month > 12) return {};
  return Fill(VocabularyOf(language).monthDayPattern, date, naming, language);
}

}  // namespace tessarine
