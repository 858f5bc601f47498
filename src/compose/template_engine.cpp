#include "compose/template_engine.h"

#include <algorithm>
#include <cstdio>

#include "compose/almanac_text.h"
#include "compose/day_names.h"
#include "compose/utf8_text.h"

namespace tessarine {
namespace {

// White space is exactly these seven characters: tab, line feed, form
// feed, carriage return, blank, U+0085 and U+00A0; not the vertical tab, and
// nothing above U+00FF (an ideographic space U+3000 stays). Returns the
// length in bytes of the white-space character at the start of `text`, or 0.
std::size_t WhiteSpaceAt(std::string_view text) {
  if (text.empty()) return 0;
  switch (text[0]) {
    case '\t': case '\n': case '\f': case '\r': case ' ':
      return 1;
    case '\xC2':
      return text.size() > 1 && (text[1] == '\x85' || text[1] == '\xA0') ? 2 : 0;
    default:
      return 0;
  }
}

std::string_view Trim(std::string_view text) {
  auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
  return text;
}

// One pass: every occurrence, left to right, not overlapping; what is
// inserted is not searched again.
void ReplaceAll(std::string& text, std::string_view token, std::string_view value) {
  std::size_t at = text.find(token);
  if (at == std::string::npos) return;
  std::string replaced;
  replaced.reserve(text.size() + value.size() * 2);
  std::size_t from = 0;
  for (; at != std::string::npos; at = text.find(token, from)) {
    replaced.append(text, from, at - from).append(value);
    from = at + token.size();
  }
  replaced.append(text, from);
  text = std::move(replaced);
}

}  // namespace

std::string CollapseWhiteSpace(std::string_view text) {
  // A run of at least one character becomes one blank: never longer.
  std::string result;
  result.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = WhiteSpaceAt(text);
    if (length == 0) {
      result += text.front();
      text.remove_prefix(1);
      continue;
    }
    while (length > 0) {
      text.remove_prefix(length);
      length = WhiteSpaceAt(text);
    }
    result += ' ';
  }
  return result;
}

std::string ExpandTemplate(std::string_view templ, sys_days date, MonthNaming naming, bool collapseSpaces,
                           Language language, LunarCalendar calendar) {
  return ExpandTemplate(templ, GetDayInfo(date, calendar, RegionOf(calendar)), naming, collapseSpaces, language);
}

std::string ExpandTemplate(std::string_view templ, const DayInfo& info, MonthNaming naming, bool collapseSpaces,
                           Language language) {
  const sys_days date = info.date;
  const LunarCalendar calendar = info.calendar;
  const std::chrono::year_month_day ymd{date};
  const int year = static_cast<int>(ymd.year());
  char y1[16], y2[8];
  std::snprintf(y1, sizeof y1, "%04d", year);
  std::snprintf(y2, sizeof y2, "%02d", ((year % 100) + 100) % 100);
  const std::string cm = std::to_string(static_cast<unsigned>(ymd.month()));
  const std::string cd = std::to_string(static_cast<unsigned>(ymd.day()));

  const DayNames names = NamesOf(date, info, naming, language);
  // The almanac only for a template that asks for it: every day of a year
  // file passes here.
  const bool almanacWanted =
      std::any_of(TemplateTokens.begin() + kFirstAlmanacToken, TemplateTokens.end(),
                  [templ](std::string_view token) { return templ.find(token) != std::string_view::npos; });
  std::array<std::string, 5> almanacTexts;
  if (almanacWanted && info.described()) {
    const DayAlmanac almanac = GetDayAlmanac(date, info.term, calendar, info.region);
    almanacTexts = {TermTimeText(almanac, calendar), PhaseText(almanac, calendar, language),
                    SeasonCountText(almanac, language), CycleName(almanac.dayCycle, language),
                    CycleName(almanac.monthCycle, language)};
  }
  const std::array<std::string_view, TemplateTokens.size()> values = {
      names.stemBranch, names.zodiac,    names.month,     names.day,       names.term,      names.festival,
      y1,               y2,              cm,              cd,              names.weekday,   names.gregorian,
      almanacTexts[0],  almanacTexts[1], almanacTexts[2], almanacTexts[3], almanacTexts[4]};

  std::string text(Trim(ToValidUtf8(templ)));
  for (std::size_t i = 0; i < TemplateTokens.size(); ++i) ReplaceAll(text, TemplateTokens[i], values[i]);

  if (collapseSpaces) text = CollapseWhiteSpace(text);
  return std::string(Trim(text));
}

}  // namespace tessarine
