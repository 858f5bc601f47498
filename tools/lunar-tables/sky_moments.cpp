#include "sky_moments.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "calendar/vocabulary.h"

#include "civil_time.h"
#include "sky.h"
#include "sky_events.h"

namespace tessarine::tables {
namespace {

constexpr double kMomentEpochJD = 2415385.5;  // 1901-01-01 00:00 UT
constexpr double kMeanNewMoonJD = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;
constexpr double kUnixEpochJD = 2440587.5;
// After this the Earth's rotation is predicted: moments near midnight are provisional.
constexpr double kProvisionalFromJD = 2461041.5;  // 2026-01-01 00:00 UT

constexpr std::string_view kPhaseNames[] = {"new moon", "first quarter", "full moon", "last quarter"};

double JulianDateOf(int year, unsigned month, unsigned day) {
  return kUnixEpochJD + std::chrono::sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count();
}

std::string UtcText(double jd) {
  const std::int32_t minutes = MomentMinutes(jd);
  const auto day = std::chrono::sys_days{std::chrono::days{-25202 + minutes / 1440}};
  const std::chrono::year_month_day ymd{day};
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02} UTC", static_cast<int>(ymd.year()),
                     static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), minutes % 1440 / 60,
                     minutes % 60);
}

// "// - 2051-03-20 15:58 UTC 春分: 1.1 min before midnight in China" for
// each predicted moment within 2 minutes of a calendar's midnight.
std::string ProvisionalLines(double jd, std::string_view what) {
  std::string lines;
  if (jd < kProvisionalFromJD) return lines;
  for (const LunarCalendar calendar : {LunarCalendar::China, LunarCalendar::Korea, LunarCalendar::Vietnam}) {
    const double minutes = MinutesFromMidnight(calendar, jd);
    if (std::fabs(minutes) >= 2) continue;
    lines += fmt::format("//   {} {}: {:.1f} min {} midnight ({})\n", UtcText(jd), what, std::fabs(minutes),
                         minutes < 0 ? "before" : "after", CalendarTag(calendar));
  }
  return lines;
}

void WriteArray(std::string& out, std::string_view name, const std::vector<double>& moments) {
  out += fmt::format("inline constexpr std::array<std::int32_t, {}> {} = {{", moments.size(), name);
  for (std::size_t i = 0; i < moments.size(); ++i) {
    out += fmt::format("{}{},", i % 10 == 0 ? "\n    " : " ", MomentMinutes(moments[i]));
  }
  out += "\n};\n\n";
}

}  // namespace

std::int32_t MomentMinutes(double jdUT1) {
  const double exact = (jdUT1 - kMomentEpochJD) * 1440;
  const double rounded = std::round(exact);
  // The civil midnights of the three calendars: 15:00, 16:00 and 17:00 UTC.
  const long minuteOfDay = (static_cast<long>(rounded) % 1440 + 1440) % 1440;
  const bool crossesMidnight = rounded > exact && minuteOfDay % 60 == 0 && minuteOfDay / 60 >= 15 &&
                               minuteOfDay / 60 <= 17;
  return static_cast<std::int32_t>(crossesMidnight ? std::floor(exact) : rounded);
}

SkyMoments ComputeSkyMoments(int firstYear, int lastYear) {
  SkyMoments moments;
  // From the year before: a day early in the first year lies in the nine
  // nines and the month of the year before's 冬至 and 大雪.
  for (int year = firstYear - 1; year <= lastYear; ++year) {
    for (int k = 1; k <= 24; ++k) moments.terms.push_back(SolarTerm(LunarCalendar::China, year, k).instant);
  }
  // From the last new moon before the first year to the first after the last.
  const double from = JulianDateOf(firstYear, 1, 1), to = JulianDateOf(lastYear + 1, 1, 1);
  auto k = static_cast<long>(std::floor((from - kMeanNewMoonJD) / kSynodicMonth)) - 1;
  for (;; ++k) {
    const double mean = kMeanNewMoonJD + kSynodicMonth * static_cast<double>(k);
    const double newMoon = NewMoonNear(mean);
    if (newMoon > to) {
      moments.phases.push_back(newMoon);
      break;
    }
    if (newMoon > from || MoonPhaseNear(0, mean + kSynodicMonth) > from) {
      moments.phases.push_back(newMoon);
      for (int quarter = 1; quarter < 4; ++quarter) {
        moments.phases.push_back(MoonPhaseNear(90.0 * quarter, mean + kSynodicMonth * quarter / 4));
      }
    }
  }
  return moments;
}

std::string SkyMomentsHeader(const SkyMoments& moments, int firstYear, int lastYear) {
  std::string out = fmt::format(R"(// The moments of the sky the almanac layers print, {first}-{last}: every solar term
// and every principal phase of the Moon, as minutes since 1901-01-01 00:00
// UTC (to within UT1 - UTC, under a second), rounded to the nearest minute but
// never up to a calendar's midnight (15:00, 16:00 or 17:00 UTC), so that each
// keeps the civil day it falls on in every calendar.
//
// Written by tools/lunar-tables from the Sun and the Moon, with the astronomy
// and ΔT of the lunar tables; do not edit by hand. To regenerate:
// cmake --build build --target lunar-tables
//
// The phases are the computed moments, with no overrides: a phase is a
// statement of time, not of the month's first day.
//
// Provisional: predicted moments within 2 minutes of a calendar's midnight,
// whose day may move with the Earth's rotation:
)",
                                fmt::arg("first", firstYear), fmt::arg("last", lastYear));
  std::vector<std::pair<double, std::string_view>> events;
  for (std::size_t i = 0; i < moments.terms.size(); ++i) {
    events.emplace_back(moments.terms[i], VocabularyOf(Language::ZhHans).terms[i % 24]);  // 1900's are not predicted
  }
  for (std::size_t i = 0; i < moments.phases.size(); ++i) events.emplace_back(moments.phases[i], kPhaseNames[i % 4]);
  std::sort(events.begin(), events.end());
  for (const auto& [jd, what] : events) out += ProvisionalLines(jd, what);
  out += fmt::format(R"(#pragma once

#include <array>
#include <cstdint>

namespace tessarine::sky {{

// The terms run from the year before the first, the phases from the last
// new moon before the first year to the first after the last.
inline constexpr int kFirstTermYear = {};
inline constexpr int kLastTermYear = {};
// Days from 1970-01-01 to the epoch of the minutes, 1901-01-01.
inline constexpr int kMomentEpochDay = -25202;

// Solar term k (1 小寒 … 24 冬至) of year y is kTermMinutes[(y - kFirstTermYear) * 24 + k - 1].
)",
                     firstYear - 1, lastYear);
  WriteArray(out, "kTermMinutes", moments.terms);
  out += "// In order: new moon, first quarter, full moon, last quarter, new moon, ...\n";
  WriteArray(out, "kPhaseMinutes", moments.phases);
  out += "}  // namespace tessarine::sky\n";
  return out;
}

}  // namespace tessarine::tables
