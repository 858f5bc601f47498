#include "calendar/solar_festivals.h"

#include "calendar/solar_festival_days.h"

namespace tessarine {
namespace {

using Kind = SolarFestivalDay::Kind;

bool FallsOn(const SolarFestivalDay& rule, std::chrono::year_month_day date, std::chrono::sys_days easter) {
  const std::chrono::month month{rule.month};
  switch (rule.kind) {
    case Kind::Fixed: return date.month() == month && date.day() == std::chrono::day{rule.day};
    case Kind::NthWeekday: {
      if (date.month() != month) return false;
      const std::chrono::weekday_indexed nth{std::chrono::weekday{rule.day}, static_cast<unsigned>(rule.count)};
      return std::chrono::sys_days{date.year() / month / nth} == std::chrono::sys_days{date};
    }
    case Kind::FromEaster: return easter + std::chrono::days{rule.count} == std::chrono::sys_days{date};
  }
  return false;
}

}  // namespace

std::chrono::sys_days EasterSunday(std::chrono::year year) {
  // The anonymous Gregorian computus (Meeus, Astronomical Algorithms, ch. 8).
  const int y = static_cast<int>(year);
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return std::chrono::sys_days{year / std::chrono::month(static_cast<unsigned>(month)) /
                               std::chrono::day(static_cast<unsigned>(day))};
}

FestivalList<SolarFestival> SolarFestivalsOn(std::chrono::year_month_day date, Region region) {
  FestivalList<SolarFestival> festivals;
  if (!date.ok()) return festivals;
  const int year = static_cast<int>(date.year());
  std::optional<std::chrono::sys_days> easter;  // reckoned only for a region that keeps a day by it
  for (const SolarFestivalDay& rule : SolarFestivalDaysOf(region)) {
    if (!rule.KeptIn(year)) continue;
    if (rule.kind == Kind::FromEaster && !easter) easter = EasterSunday(date.year());
    if (FallsOn(rule, date, easter.value_or(std::chrono::sys_days{}))) festivals.push_back(rule.festival);
  }
  return festivals;
}

}  // namespace tessarine
