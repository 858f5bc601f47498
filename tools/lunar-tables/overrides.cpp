#include "overrides.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "calendar/iso_date.h"

namespace tessarine::tables {
namespace {

using std::chrono::days;
using std::chrono::year;

constexpr std::string_view kLocalMeanTime =
    "the almanacs of the time reckoned in Beijing local mean time (UTC+7:45:40), and every historical source "
    "follows them; UTC+8 puts the new moon on the next day";

constexpr std::array kMonthStarts = {
    Override{year{1914} / 11 / 17, kLocalMeanTime, true},
    Override{year{1916} / 2 / 3, kLocalMeanTime, true},
    Override{year{1920} / 11 / 10, kLocalMeanTime, true},
    Override{year{2057} / 9 / 29,
             "eraMoon98 puts the new moon 2 s before midnight, the more precise lunar theories 4-5 s after it, and "
             "calendars follow them; either way it lies far inside the uncertainty of the predicted Earth rotation"},
};

}  // namespace

std::vector<Override> MonthStartOverrides(LunarCalendar calendar) {
  // Korea reckoned by its own clock from 1912, before any of these; the
  // 2057 start is a matter of seconds at China's midnight only.
  std::vector<Override> found;
  for (const Override& override : kMonthStarts) {
    if (calendar == LunarCalendar::China || (calendar == LunarCalendar::Vietnam && override.vietnam)) found.push_back(override);
  }
  return found;
}

void ApplyOverrides(LunarCalendar calendar, std::vector<SkyEvent>& newMoons) {
  for (const Override& override : MonthStartOverrides(calendar)) {
    const auto moved = std::find_if(newMoons.begin(), newMoons.end(), [&](const SkyEvent& moon) {
      return moon.day >= override.day - days{1} && moon.day <= override.day + days{1};
    });
    if (moved == newMoons.end()) {
      throw std::runtime_error("the override of " + IsoDate(override.day) + " finds no computed new moon within a day of it");
    }
    moved->day = override.day;
  }
}

}  // namespace tessarine::tables
