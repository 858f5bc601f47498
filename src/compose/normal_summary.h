// The normal-format event title: short enough for a phone's calendar screen.
// By default a day shows its lunar day, the month's name on the first day of
// a month, and a festival or solar term instead when one falls on it.
#pragma once

#include <string>

#include "calendar/day_info.h"
#include "calendar/lunar_names.h"

namespace tessarine {

// What a day's title shows.
enum class DisplayMode {
  Day,                // the lunar day; festivals and terms take its place
  MonthAndDay,        // the lunar month and day
  FestivalsAndTerms,  // only days with a festival or a solar term get a title
  TermsOnly,          // only the 24 solar terms
};

// What a day shows when both a festival and a solar term fall on it.
enum class FestivalAndTerm { Festival, Term, Both };

struct NormalFormat {
  DisplayMode mode = DisplayMode::Day;
  FestivalAndTerm onSameDay = FestivalAndTerm::Festival;
  bool withoutFestivalsAndTerms = false;
  // The almanac's additions after the title, off by default: the Moon's
  // principal phase (初八 上弦) and the day of 三伏 or 数九 (十五 三九第1天).
  bool withMoonPhases = false;
  bool withSeasonCounts = false;
};

// The title of the described day, in `language`; empty when the day gets no
// event. The almanac's additions follow it after a blank, or stand alone on a
// day that has no title of its own.
std::string NormalSummary(const DayInfo& info, const NormalFormat& format,
                          MonthNaming naming = MonthNaming::WinterAndLast, Language language = Language::ZhHans);

}  // namespace tessarine
