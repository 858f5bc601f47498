#include "calendar/lunar_names.h"

#include <array>
#include <string_view>

namespace tessarine {
namespace {

using Chars10 = std::array<std::string_view, 10>;

constexpr std::array<std::string_view, 4> kDayTens = {"初", "十", "廿", "三"};
constexpr Chars10 kDayUnits = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

}  // namespace

// The sexagenary cycle counts from year 4, a 甲子 year.
unsigned YearCycle(int year) { return static_cast<unsigned>(((year - 4) % 60 + 60) % 60); }

std::string StemBranchName(int year, Language language) {
  const unsigned cycle = YearCycle(year);
  const Vocabulary& words = VocabularyOf(language);
  return std::string(words.stems[cycle % 10]).append(words.branches[cycle % 12]);
}

std::string_view ZodiacName(int year, Language language) {
  return VocabularyOf(language).animals[YearCycle(year) % 12];
}

std::string YearName(int year, Language language) {
  return StemBranchName(year, language)
      .append(" ")
      .append(ZodiacName(year, language))
      .append(VocabularyOf(language).yearWord);
}

std::string MonthName(unsigned month, bool leap, MonthNaming naming, Language language) {
  if (month < 1 || month > 12) return {};
  const Vocabulary& words = VocabularyOf(language);
  std::string name;
  name.reserve(12);
  if (leap) name.append(words.leap);
  if (month > 10 && naming == MonthNaming::Numbered) return name.append(words.numberedMonths[month - 11]);
  return name.append(words.months[month - 1]);
}

std::string DayName(unsigned day) {
  if (day < 1 || day > 30) return {};
  std::string name;
  if (day % 10 == 0 && day >= 20) {
    name.append(kDayUnits[day / 10 - 1]).append("十");
  } else {
    name.append(kDayTens[(day - 1) / 10]).append(kDayUnits[(day - 1) % 10]);
  }
  return name;
}

}  // namespace tessarine
