#include "compose/template_engine.h"

#include <algorithm>
#include <cstdio>

#include "calendar/plain_text.h"
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

// What a title is trimmed of at both ends: U+0000..U+0020, the blank and
// every control character below it (DEL stays).
constexpr auto kTrimmedBytes = [] {
  std::array<char, 0x21> bytes{};
  for (std::size_t c = 0; c < bytes.size(); ++c) bytes[c] = static_cast<char>(c);
  return bytes;
}();
constexpr std::string_view kTrimmed(kTrimmedBytes.data(), kTrimmedBytes.size());

}  // namespace

std::string_view DefaultTemplateOf(Language language, Region region) {
  switch (language) {
    case Language::ZhHant:
      // Taiwan writes the week 週, the form the Ministry of Education's
      // dictionary gives for 星期 (教育部《重編國語辭典修訂本》, 「週」,
      // https://dict.revised.moe.edu.tw/); Hong Kong writes
      // 周, as its laws do ("聖誕節後第一個周日": General Holidays Ordinance,
      // Cap. 149, https://www.elegislation.gov.hk/hk/cap149!zh-Hant-HK).
      // Written in 繁體 for the mainland, the week stays as it always was.
      return region == Region::Taiwan ? "LY年【LZ】 LMLD Y1年 Y2/CM/CD 週CW LT LF CF" : DefaultTemplate;
    // The year as 병오년 말띠, the lunar date marked 음력, and the day as
    // Koreans write a date in figures, 2026. 2. 17.(화) (국립국어원, 한글
    // 맞춤법 부록 「문장 부호」, 마침표: "1919. 3. 1.").
    case Language::Korean: return "LY년 LZ띠 음력 LMLD Y1. CM. CD.(CW) LT LF CF";
    // The lunar date first, as Vietnamese put it (Mùng 1 tháng Giêng năm
    // Bính Ngọ), then the Gregorian date day first, 17/2/2026, in the order
    // of "ngày … tháng … năm …" (Nghị định 30/2020/NĐ-CP, Phụ lục I).
    case Language::Vietnamese: return "LMLD năm LY (LZ) CW, CD/CM/Y1 LT LF CF";
    case Language::ZhHans: break;
  }
  return DefaultTemplate;
}

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

  std::string text(Trim(ToValidUtf8(templ), kTrimmed));
  if (text.find(MonthAndDayPair) != std::string::npos) {
    ReplaceAll(text, MonthAndDayPair, info.described() ? MonthAndDayName(info.lunar, naming, language) : "");
  }
  for (std::size_t i = 0; i < TemplateTokens.size(); ++i) ReplaceAll(text, TemplateTokens[i], values[i]);

  if (collapseSpaces) text = CollapseWhiteSpace(text);
  return std::string(Trim(text, kTrimmed));
}

}  // namespace tessarine
