#include "calendar/vocabulary.h"

namespace tessarine {
namespace {

struct Tagged {
  Language language;
  std::string_view tag;
};
constexpr std::array<Tagged, 4> kLanguageTags = {{
    {Language::ZhHans, "zh-Hans"},
    {Language::ZhHant, "zh-Hant"},
    {Language::Korean, "ko"},
    {Language::Vietnamese, "vi"},
}};

constexpr std::array<std::string_view, 3> kCalendarTags = {"chinese", "korean", "vietnamese"};

}  // namespace

std::string_view LanguageTag(Language language) { return kLanguageTags[static_cast<std::size_t>(language)].tag; }

std::optional<Language> LanguageOfTag(std::string_view tag) {
  for (const Tagged& t : kLanguageTags) {
    if (t.tag == tag) return t.language;
  }
  return std::nullopt;
}

Language DefaultLanguageOf(LunarCalendar calendar) {
  switch (calendar) {
    case LunarCalendar::Korea: return Language::Korean;
    case LunarCalendar::Vietnam: return Language::Vietnamese;
    case LunarCalendar::China: break;
  }
  return Language::ZhHans;
}

std::string_view CalendarTag(LunarCalendar calendar) { return kCalendarTags[static_cast<std::size_t>(calendar)]; }

std::optional<LunarCalendar> CalendarOfTag(std::string_view tag) {
  for (std::size_t i = 0; i < kCalendarTags.size(); ++i) {
    if (kCalendarTags[i] == tag) return static_cast<LunarCalendar>(i);
  }
  return std::nullopt;
}

const Vocabulary& VocabularyOf(Language language) {
  switch (language) {
    case Language::ZhHant: return kTraditionalWords;
    case Language::Korean: return kKoreanWords;
    case Language::Vietnamese: return kVietnameseWords;
    case Language::ZhHans: break;
  }
  return kSimplifiedWords;
}

std::optional<LunarCalendar> CalendarOfName(std::string_view name) {
  if (const auto tagged = CalendarOfTag(name)) return tagged;
  for (const Tagged& t : kLanguageTags) {
    const auto& names = VocabularyOf(t.language).calendarNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) return static_cast<LunarCalendar>(i);
    }
  }
  return std::nullopt;
}

}  // namespace tessarine
