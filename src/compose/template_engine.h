// The custom format: an event title written as a one-line template in which
// two-letter tokens stand for pieces of the day's lunar and Gregorian
// information.
//
// Errors: none. Any template expands, for any day: what the engine cannot
// describe is left empty, and the names it fills in come from patterns
// checked when the vocabulary is compiled (calendar/vocabulary_patterns.h).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "calendar/lunar_date.h"
#include "calendar/lunar_names.h"
#include "calendar/region.h"

namespace tessarine {

// The default template of 简体, as it has always been.
inline constexpr std::string_view DefaultTemplate = "LY年【LZ】 LMLD Y1年 Y2/CM/CD 周CW LT LF CF";

// The default template in a language: the same pieces, with the language's
// own words around the tokens, so that no Chinese word stands in a Korean or
// Vietnamese title. 繁體 writes the week as its region does (週 in Taiwan,
// 周 in Hong Kong and on the mainland); for the other languages the region
// changes nothing.
std::string_view DefaultTemplateOf(Language language, Region region);

// The lunar month and the day side by side. It is replaced before the
// tokens one by one, by the date as the language writes it: 正月初一 (the
// names run together), 1월 1일, Mùng 1 tháng Giêng.
inline constexpr std::string_view MonthAndDayPair = "LMLD";

// The tokens in the order in which they are replaced. Order matters: each
// pass sees what the earlier ones brought together ("CLTF" on a day without a
// solar term becomes "CF" and then the Gregorian festival). The almanac's
// come last, so that templates written before them expand as they did:
//   LH  the solar term's time (04:02)      LP  the Moon's phase and time (满月 21:36)
//   LS  三伏 or 数九 (中伏第12天, 三九第4天)  GD  the day's 干支     GM  the month's 干支
inline constexpr std::array<std::string_view, 17> TemplateTokens = {
    "LY", "LZ", "LM", "LD", "LT", "LF", "Y1", "Y2", "CM", "CD", "CW", "CF", "LH", "LP", "LS", "GD", "GM"};
inline constexpr std::size_t kFirstAlmanacToken = 12;

// The title of `date` by `templ`. With `collapseSpaces` every run of white space
// (tab, line feed, form feed, carriage return, blank, U+0085, U+00A0) becomes
// one blank. The result is trimmed of U+0000..U+0020 at both ends. Bytes of
// the template that are not well-formed UTF-8 come out as U+FFFD. A date the
// engine cannot describe leaves the lunar tokens empty. The festivals are
// those of the day's region.
std::string ExpandTemplate(std::string_view templ, const DayInfo& day, MonthNaming naming, bool collapseSpaces,
                           Language language);

// The same for `date` in `calendar`, with the festivals of the region the
// calendar stands for (RegionOf).
std::string ExpandTemplate(std::string_view templ, sys_days date, MonthNaming naming, bool collapseSpaces,
                           Language language = Language::ZhHans,
                           LunarCalendar calendar = LunarCalendar::China);

// Replaces every run of the white space above by a single blank. `text` must
// be valid UTF-8.
std::string CollapseWhiteSpace(std::string_view text);

}  // namespace tessarine
