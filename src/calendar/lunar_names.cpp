#include "calendar/lunar_names.h"

#include <fmt/format.h>

namespace tessarine {
namespace {

bool ValidDay(unsigned day) { return day >= 1 && day <= 30; }
bool ValidDate(const LunarDate& date) { return ValidDay(date.day) && date.month >= 1 && date.month <= 12; }

// A name as it reads inside a phrase: its first letter in lower case. Only
// Latin letters have case; a Chinese or Korean name comes back as it was.
std::string InText(std::string name) {
  if (!name.empty() && name.front() >= 'A' && name.front() <= 'Z') name.front() = static_cast<char>(name.front() - 'A' + 'a');
  return name;
}

// Every pattern may use every field; a language picks the ones it needs.
std::string Fill(std::string_view pattern, const LunarDate& date, MonthNaming naming, Language language) {
  const Vocabulary& words = VocabularyOf(language);
  const std::string month = MonthName(date.month, date.leap, naming, language);
  return fmt::format(fmt::runtime(pattern), fmt::arg("month", month), fmt::arg("monthInText", InText(month)),
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
  if (!ValidDate(date)) return {};
  const std::string_view pattern = VocabularyOf(language).dayPattern;
  // The common pattern, the day's name alone, needs no formatting: this runs for every day written.
  if (pattern == "{day}") return std::string(DayName(date.day, language));
  return Fill(pattern, date, MonthNaming::WinterAndLast, language);
}

std::string MonthAndDayName(const LunarDate& date, MonthNaming naming, Language language) {
  if (!ValidDate(date)) return {};
  const std::string_view pattern = VocabularyOf(language).monthDayPattern;
  // Chinese runs the names together: no formatting for every day a default template titles.
  if (pattern == "{month}{day}") return MonthName(date.month, date.leap, naming, language).append(DayName(date.day, language));
  return Fill(pattern, date, naming, language);
}

std::string LunarDateName(const LunarDate& date, MonthNaming naming, Language language, LunarCalendar calendar) {
  if (!ValidDate(date)) return {};
  const Vocabulary& words = VocabularyOf(language);
  const std::string year = YearName(date.year, language);
  return fmt::format(fmt::runtime(words.lunarDatePattern),
                     fmt::arg("calendar", words.calendarNames[static_cast<std::size_t>(calendar)]),
                     fmt::arg("year", year), fmt::arg("yearInText", InText(year)),
                     fmt::arg("monthDay", MonthAndDayName(date, naming, language)));
}

}  // namespace tessarine
