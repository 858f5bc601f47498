#include "calendar/solstice_days.h"

#include "calendar/folk_layers.h"
#include "calendar/sky_times.h"

namespace tessarine {
namespace {

constexpr unsigned kDongZhi = 24;
constexpr unsigned kWei = 7;  // the branch 未

}  // namespace

std::optional<sys_days> ColdFoodDay(int year, LunarCalendar calendar) {
  const auto solstice = TermDay(year - 1, kDongZhi, calendar);
  if (!solstice) return std::nullopt;
  return *solstice + std::chrono::days{105};
}

std::optional<sys_days> NapilDay(int year, LunarCalendar calendar) {
  const auto solstice = TermDay(year - 1, kDongZhi, calendar);
  if (!solstice) return std::nullopt;
  const unsigned branch = DayCycle(*solstice) % 12;
  if (branch == kWei) return std::nullopt;
  // The first 未 day after the solstice, then two more, twelve days apart.
  const unsigned toFirst = (kWei + 12 - branch) % 12;
  return *solstice + std::chrono::days{toFirst + 24};
}

}  // namespace tessarine
