#include "calendar/vocabulary.h"

#include <algorithm>
#include <cctype>
#include <string>

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

// The subtags of a BCP 47 tag that choose the words, lower-cased: the
// language (zh), a four-letter script (hant) and a two-letter region (tw).
struct LanguageSubtags {
  std::string language, script, region;
};

LanguageSubtags SplitLanguageTag(std::string_view tag) {
  LanguageSubtags subtags;
  std::size_t index = 0;
  while (!tag.empty()) {
    const std::size_t end = std::min(tag.find_first_of("-_"), tag.size());
    std::string part(tag.substr(0, end));
    for (char& c : part) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (index == 0) subtags.language = part;
    else if (part.size() == 4 && subtags.script.empty()) subtags.script = part;
    else if (part.size() == 2 && subtags.region.empty()) subtags.region = part;
    tag.remove_prefix(std::min(end + 1, tag.size()));
    ++index;
  }
  return subtags;
}

bool TraditionalRegion(std::string_view region) { return region == "tw" || region == "hk" || region == "mo"; }

}  // namespace

std::string_view LanguageTag(Language language) { return kLanguageTags[static_cast<std::size_t>(language)].tag; }

std::optional<Language> LanguageOfTag(std::string_view tag) {
  const LanguageSubtags subtags = SplitLanguageTag(tag);
  if (subtags.language == "ko") return Language::Korean;
  if (subtags.language == "vi") return Language::Vietnamese;
  if (subtags.language != "zh") return std::nullopt;
  if (subtags.script == "hant") return Language::ZhHant;
  if (subtags.script == "hans") return Language::ZhHans;
  return TraditionalRegion(subtags.region) ? Language::ZhHant : Language::ZhHans;
}

std::optional<Region> RegionOfLanguageTag(std::string_view tag) {
  const LanguageSubtags subtags = SplitLanguageTag(tag);
  if (subtags.language != "zh") return std::nullopt;
  if (subtags.region == "tw") return Region::Taiwan;
  if (subtags.region == "hk" || subtags.region == "mo") return Region::HongKong;
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

Language DefaultLanguageOf(Region region) {
  switch (region) {
    case Region::Taiwan:
    case Region::HongKong: return Language::ZhHant;
    case Region::Korea: return Language::Korean;
    case Region::Vietnam: return Language::Vietnamese;
    case Region::China: break;
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
