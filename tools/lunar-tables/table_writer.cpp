#include "table_writer.h"

#include <cmath>
#include <iterator>

#include <fmt/core.h>

#include "calendar/iso_date.h"
#include "calendar/solar_terms.h"
#include "calendar/vocabulary.h"
#include "overrides.h"
#include "sky.h"

namespace tessarine::tables {
namespace {

using std::chrono::sys_days;

constexpr std::string_view kAstronomy = R"(
// Written by tools/lunar-tables from the Sun and the Moon; do not edit by
// hand. To regenerate: cmake --build build --target lunar-tables
//
// The astronomy is ERFA's, the IAU models: the Earth from eraEpv00, the Moon
// from eraMoon98 at light time, aberration, precession IAU 2006 and nutation
// IAU 2000A; apparent geocentric ecliptic longitudes of date. ΔT (TT − UT1)
// is the Espenak-Meeus model joined to the observed values of 1973-2025 and
// extrapolated after them; tools/lunar-tables/delta_t.h states its
// uncertainty, a minute or two by 2100.
//
)";

constexpr std::string_view kChinaRules = R"(// The rules are those of the national standard for the Chinese calendar, every
// comparison by date in China Standard Time (UTC+8): a month begins on the day
// of a new moon; the month holding the winter solstice (冬至) is month 11;
// when 13 months begin between two months 11, the first without a principal
// term (中气) is the leap month.
//
)";

constexpr std::string_view kChinaHistory = R"(// Before these tables were computed, the calendar used a table of 1901-2050
// that differed from the sky in ten entries, now corrected:
// - months begin on 1914-11-17, 1916-02-03 (Spring Festival, 正月初一) and
//   1920-11-10, a day earlier, as the almanacs of the time have them;
// - 1989-08-02 begins month 7 (the new moon is at 00:05), so 1989-08-01 is
//   the 30th of month 6;
// - six solar terms fall on another day: 1912 小雪, 1913 秋分, 1917 大雪,
//   1927 白露, 1928 夏至 and 1979 大寒.
//
)";

constexpr std::string_view kKoreaRules = R"(// The rules are those of the Chinese calendar, every comparison by date in
// the civil time of Korea, as the Korea Astronomy and Space Science
// Institute (KASI) reckons its lunar calendar: China Standard Time (UTC+8)
// for events before 1912-01-01, Korea's UTC+9 from then on. A month begins
// on the day of a new moon; the month holding the winter solstice is month
// 11; when 13 months begin between two months 11, the first without a
// principal term is the leap month.
//
)";

constexpr std::string_view kVietnamRules = R"(// The rules are those of the Chinese calendar, every comparison by date in
// the civil time of Vietnam: the Chinese calendar before 1968-01-01, and
// UTC+7 from then on, by the decree of 8 August 1967 (the North's rule,
// kept by the unified country; the South reckoned in UTC+8 until 1975). A
// month begins on the day of a new moon; the month holding the winter
// solstice is month 11; when 13 months begin between two months 11, the
// first without a principal term is the leap month.
//
)";

constexpr std::string_view kLayout = R"(// LunarMonthBits: one entry per lunar year. The months of the year, in
// calendar order with the leap month right after the month it repeats, take
// the bits from bit 15 downwards; a set bit is a month of 30 days, a clear
// bit one of 29.
//
// LeapMonthTable: two lunar years a byte, the earlier year in the high
// nibble. A nibble is the month that the year's leap month repeats, or 0.
//
// SolarTermTable: one byte per Gregorian month. High nibble: 15 minus the day
// of the month's first solar term; low nibble: the day of its second term
// minus 15.
//
// The tables live in this header as constexpr data so that the conversion
// can derive its cumulative tables at compile time.
)";

// `text` as comment lines of at most 79 columns, the first line led by
// `lead` and the others indented under it.
void AppendWrapped(std::string_view lead, std::string_view text, std::string& out) {
  constexpr std::size_t kWidth = 79;
  std::string line{lead};
  const std::string indent = "//" + std::string(lead.size() - 2, ' ');
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    if (line.size() + end + 1 > kWidth && line.size() > indent.size()) {
      out += line + "\n";
      line = indent;
    }
    if (line.size() > indent.size() && line.back() != ' ') line += ' ';
    line.append(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  out += line + "\n";
}

void AppendOverrides(LunarCalendar calendar, std::string& out) {
  const std::vector<Override> overrides = MonthStartOverrides(calendar);
  if (overrides.empty()) return;
  out += "//\n// Overruled computed month starts, each with its reason:\n";
  for (const Override& override : overrides) {
    AppendWrapped("// - ", fmt::format("{} begins a month: {}.", IsoDate(override.day), override.reason), out);
  }
}

void AppendProvisional(const ComputedTables& tables, std::string& out) {
  out += fmt::format("//\n// Provisional days: the predicted new moons and terms within {:g} minutes of\n"
                     "// midnight, which a different Earth rotation could move to the next day:\n",
                     kProvisionalMinutes);
  for (const ProvisionalDay& day : tables.provisional) {
    const double minutes = MinutesFromMidnight(tables.calendar, day.event.instant);
    const std::string_view what = day.term == 0 ? std::string_view{"new moon"} : VocabularyOf(Language::ZhHans).terms[day.term - 1];
    const sys_days computed{std::chrono::days{CivilDay(tables.calendar, day.event.instant)}};
    const std::string amount = std::fabs(minutes) < 1 ? fmt::format("{:.0f} s", std::fabs(minutes) * 60)
                                                      : fmt::format("{:.1f} min", std::fabs(minutes));
    out += fmt::format("// - {} {}, {} {} midnight{}\n", IsoDate(computed), what, amount, minutes < 0 ? "before" : "after",
                       computed == day.event.day ? "" : ", held on " + IsoDate(day.event.day) + " as above");
  }
}

// The Chinese calendar's tables are the program's own; the others live in
// a namespace named for their calendar.
std::string Namespace(LunarCalendar calendar) {
  return calendar == LunarCalendar::China ? std::string() : "::" + std::string(CalendarTag(calendar));
}

// `values` as rows of `perRow` hex literals, each row followed by `label(row)`.
template <typename Values, typename Label>
void AppendRows(const Values& values, std::size_t perRow, int digits, Label label, std::string& out) {
  for (std::size_t row = 0; row * perRow < std::size(values); ++row) {
    out += "   ";
    for (std::size_t i = row * perRow; i < std::min(std::size(values), (row + 1) * perRow); ++i) {
      out += fmt::format(" 0x{:0{}X},", values[i], digits);
    }
    out += fmt::format("  // {}\n", label(row));
  }
}

}  // namespace

std::string TablesHeader(const ComputedTables& t) {
  std::string out = fmt::format("// Constant tables of the lunar calendar for the years {} to {}.\n", t.firstYear,
                                t.lastYear);
  out += kAstronomy.substr(1);
  switch (t.calendar) {
    case LunarCalendar::China: out.append(kChinaRules).append(kChinaHistory); break;
    case LunarCalendar::Korea: out += kKoreaRules; break;
    case LunarCalendar::Vietnam: out += kVietnamRules; break;
  }
  out += kLayout;
  AppendOverrides(t.calendar, out);
  AppendProvisional(t, out);
  out += fmt::format(R"(
#pragma once

#include <array>
#include <cstdint>

namespace tessarine{} {{

inline constexpr int kFirstTableYear = {};
inline constexpr int kLastTableYear = {};
inline constexpr int kTableYears = kLastTableYear - kFirstTableYear + 1;

// 1 January of the first table year is day {} of month {} of the lunar year
// before, whose months 11 and 12 have {} and {} days.
inline constexpr unsigned kEpochLunarMonth = {};
inline constexpr unsigned kEpochLunarDay = {};
inline constexpr unsigned kMonth11DaysBeforeTables = {};
inline constexpr unsigned kMonth12DaysBeforeTables = {};

inline constexpr std::array<std::uint16_t, kTableYears> LunarMonthBits = {{
)",
                     Namespace(t.calendar), t.firstYear, t.lastYear, t.epochDayOfMonth, t.epochMonth, t.lastMonthsDays[0],
                     t.lastMonthsDays[1], t.epochMonth, t.epochDayOfMonth, t.lastMonthsDays[0], t.lastMonthsDays[1]);
  const auto decade = [&](std::size_t per) {
    return [&, per](std::size_t row) {
      const int first = t.firstYear + static_cast<int>(row * per);
      return fmt::format("{}-{}", first, std::min(t.lastYear, first + static_cast<int>(per) - 1));
    };
  };
  std::vector<unsigned> bits, leaps, terms;
  for (const LunarYearShape& year : t.years) bits.push_back(year.monthBits);
  for (std::size_t i = 0; i + 1 < t.years.size(); i += 2) leaps.push_back(t.years[i].leapMonth << 4 | t.years[i + 1].leapMonth);
  for (const auto& days : t.termDays) terms.push_back((15 - days[0]) << 4 | (days[1] - 15));
  AppendRows(bits, 10, 4, decade(10), out);
  out += "};\n\ninline constexpr std::array<std::uint8_t, kTableYears / 2> LeapMonthTable = {\n";
  AppendRows(leaps, 10, 2, decade(20), out);
  out += "};\n\ninline constexpr std::array<std::uint8_t, kTableYears * 12> SolarTermTable = {\n";
  AppendRows(terms, 12, 2, [&](std::size_t row) { return std::to_string(t.firstYear + static_cast<int>(row)); }, out);
  out += fmt::format("}};\n\n}}  // namespace tessarine{}\n", Namespace(t.calendar));
  return out;
}

}  // namespace tessarine::tables
