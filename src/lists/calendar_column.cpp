#include "lists/calendar_column.h"

#include <array>
#include <string>

#include "calendar/vocabulary.h"
#include "lists/folded_text.h"

namespace tessarine {
namespace {

struct CalendarWord {
  std::string_view folded;  // as FoldedWord leaves it: lower case, no blanks
  LunarCalendar calendar;
};

// The names people give each calendar besides the program's own (the
// vocabulary's calendarNames, read too): the language's own word for the
// lunar calendar is its country's, as the vocabulary has it (农历, 음력,
// Âm lịch); the codes are ISO 639-1's languages and ISO 3166-1's countries,
// as --language and --region take them.
constexpr std::array<CalendarWord, 39> kCalendarWords = {{
    {"chinese", LunarCalendar::China},       {"china", LunarCalendar::China},
    {"zh", LunarCalendar::China},            {"cn", LunarCalendar::China},
    {"中国", LunarCalendar::China},          {"中國", LunarCalendar::China},
    {"阴历", LunarCalendar::China},          {"陰曆", LunarCalendar::China},
    {"中国农历", LunarCalendar::China},      {"中國農曆", LunarCalendar::China},
    {"中国阴历", LunarCalendar::China},      {"中國陰曆", LunarCalendar::China},
    {"중국", LunarCalendar::China},          {"중국음력", LunarCalendar::China},
    {"trungquốc", LunarCalendar::China},     {"âmlịchtrungquốc", LunarCalendar::China},
    {"korean", LunarCalendar::Korea},        {"korea", LunarCalendar::Korea},
    {"ko", LunarCalendar::Korea},            {"kr", LunarCalendar::Korea},
    {"韩国", LunarCalendar::Korea},          {"韓國", LunarCalendar::Korea},
    {"韩国农历", LunarCalendar::Korea},      {"韓國農曆", LunarCalendar::Korea},
    {"한국", LunarCalendar::Korea},          {"한국음력", LunarCalendar::Korea},
    {"hànquốc", LunarCalendar::Korea},       {"âmlịchhànquốc", LunarCalendar::Korea},
    {"vietnamese", LunarCalendar::Vietnam},  {"vietnam", LunarCalendar::Vietnam},
    {"vi", LunarCalendar::Vietnam},          {"vn", LunarCalendar::Vietnam},
    {"越南", LunarCalendar::Vietnam},        {"越南农历", LunarCalendar::Vietnam},
    {"越南農曆", LunarCalendar::Vietnam},    {"베트남", LunarCalendar::Vietnam},
    {"베트남음력", LunarCalendar::Vietnam},  {"việtnam", LunarCalendar::Vietnam},
    {"âmlịchviệtnam", LunarCalendar::Vietnam},
}};

constexpr std::array<Language, 4> kLanguages = {Language::ZhHans, Language::ZhHant, Language::Korean,
                                                Language::Vietnamese};

}  // namespace

std::optional<LunarCalendar> CalendarOfColumn(std::string_view field) {
  const std::string word = FoldedWord(field);
  if (word.empty()) return LunarCalendar::China;
  for (const CalendarWord& known : kCalendarWords) {
    if (known.folded == word) return known.calendar;
  }
  for (const Language language : kLanguages) {
    const auto& names = VocabularyOf(language).calendarNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (FoldedWord(names[i]) == word) return static_cast<LunarCalendar>(i);
    }
  }
  return std::nullopt;
}

}  // namespace tessarine
