#include "holidays/china/statutory_days.h"

#include <algorithm>
#include <array>
#include <utility>

#include "calendar/lunar_date.h"
#include "calendar/solar_terms.h"

namespace tessarine {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

constexpr unsigned kQingmingTerm = 7;

void AddRun(std::vector<StatutoryDay>& out, sys_days first, int count, PublicHoliday holiday) {
  for (int i = 0; i < count; ++i) out.push_back({first + days{i}, holiday});
}

std::optional<sys_days> LunarDay(int lunarYear, unsigned month, unsigned day) {
  return FromLunarDate(LunarDate{lunarYear, month, day, false}, LunarCalendar::China);
}

// 清明 falls on April 4, 5 or 6.
std::optional<sys_days> QingmingDay(int y) {
  for (unsigned d = 3; d <= 7; ++d) {
    const std::chrono::year_month_day date{year{y}, std::chrono::April, std::chrono::day{d}};
    if (SolarTermIndex(date, LunarCalendar::China) == kQingmingTerm) return sys_days{date};
  }
  return std::nullopt;
}

}  // namespace

std::vector<StatutoryDay> StatutoryDays(int y) {
  std::vector<StatutoryDay> out;
  const auto newYear = LunarDay(y, 1, 1);
  if (!newYear) return out;
  const auto on = [y](unsigned month, unsigned day) { return sys_days{year{y} / month / day}; };
  AddRun(out, on(1, 1), 1, PublicHoliday::NewYear);
  if (y >= 2008 && y <= 2013) {
    AddRun(out, *newYear - days{1}, 3, PublicHoliday::SpringFestival);
  } else if (y >= 2025) {
    AddRun(out, *newYear - days{1}, 4, PublicHoliday::SpringFestival);
  } else {
    AddRun(out, *newYear, 3, PublicHoliday::SpringFestival);
  }
  AddRun(out, on(5, 1), y < 2000 ? 1 : y < 2008 ? 3 : y < 2025 ? 1 : 2, PublicHoliday::LabourDay);
  AddRun(out, on(10, 1), y < 2000 ? 2 : 3, PublicHoliday::NationalDay);
  if (y >= 2008) {
    if (const auto qingming = QingmingDay(y)) AddRun(out, *qingming, 1, PublicHoliday::Qingming);
    if (const auto dragonBoat = LunarDay(y, 5, 5)) AddRun(out, *dragonBoat, 1, PublicHoliday::DragonBoat);
    if (const auto midAutumn = LunarDay(y, 8, 15)) AddRun(out, *midAutumn, 1, PublicHoliday::MidAutumn);
  }
  std::stable_sort(out.begin(), out.end(), [](const StatutoryDay& a, const StatutoryDay& b) { return a.date < b.date; });
  return out;
}

std::vector<PublicHoliday> HolidaysNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, PublicHoliday>, 8> kWords = {{
      {"元旦", PublicHoliday::NewYear},
      {"春节", PublicHoliday::SpringFestival},
      {"清明", PublicHoliday::Qingming},
      {"劳动", PublicHoliday::LabourDay},
      {"五一", PublicHoliday::LabourDay},
      {"端午", PublicHoliday::DragonBoat},
      {"中秋", PublicHoliday::MidAutumn},
      {"国庆", PublicHoliday::NationalDay},
  }};
  std::vector<PublicHoliday> found;
  for (const auto& [word, holiday] : kWords) {
    if (name.find(word) != std::string_view::npos && std::find(found.begin(), found.end(), holiday) == found.end()) {
      found.push_back(holiday);
    }
  }
  return found;
}

}  // namespace tessarine
