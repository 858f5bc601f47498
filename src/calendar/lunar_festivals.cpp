#include "calendar/lunar_festivals.h"

#include <array>
#include <span>

namespace tessarine {
namespace {

struct FestivalDay {
  unsigned month;
  unsigned day;
  LunarFestival festival;
};

using F = LunarFestival;

// New Year's Eve is found by the month's length, not listed here.
constexpr std::array<FestivalDay, 12> kChina = {{
    {1, 1, F::NewYear},
    {1, 2, F::NewYearSecond},
    {1, 3, F::NewYearThird},
    {1, 15, F::FirstFullMoon},
    {5, 5, F::DragonBoat},
    {7, 7, F::Qixi},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
    {9, 9, F::DoubleNinth},
    {10, 1, F::WinterClothes},
    {12, 8, F::Laba},
    {12, 23, F::KitchenGods},
}};

constexpr std::array<FestivalDay, 6> kKorea = {{
    {1, 1, F::NewYear},
    {1, 15, F::FirstFullMoon},
    {5, 5, F::DragonBoat},
    {7, 7, F::Qixi},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
}};

constexpr std::array<FestivalDay, 9> kVietnam = {{
    {1, 1, F::NewYear},
    {1, 15, F::FirstFullMoon},
    {3, 3, F::ColdFood},
    {3, 10, F::HungKings},
    {4, 15, F::BuddhasBirthday},
    {5, 5, F::DragonBoat},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
    {12, 23, F::KitchenGods},
}};

// Each calendar's festivals by month and day, looked up directly: every
// day written passes here. A leap month keeps its month's festivals.
using DayTable = std::array<std::array<std::optional<LunarFestival>, 31>, 13>;

constexpr DayTable ByDay(std::span<const FestivalDay> festivals) {
  DayTable table{};
  for (const FestivalDay& f : festivals) table[f.month][f.day] = f.festival;
  return table;
}

constexpr DayTable kChinaByDay = ByDay(kChina);
constexpr DayTable kKoreaByDay = ByDay(kKorea);
constexpr DayTable kVietnamByDay = ByDay(kVietnam);

const DayTable& FestivalsOf(LunarCalendar calendar) {
  switch (calendar) {
    case LunarCalendar::Korea: return kKoreaByDay;
    case LunarCalendar::Vietnam: return kVietnamByDay;
    case LunarCalendar::China: break;
  }
  return kChinaByDay;
}

}  // namespace

std::optional<LunarFestival> LunarFestivalOn(const LunarDate& date, LunarCalendar calendar) {
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return std::nullopt;
  // The twelfth month's leap copy, when the year has one, ends the year.
  const bool lastMonth = date.month == 12 && date.day >= 29 && (date.leap || LeapMonthOf(date.year, calendar) != 12);
  if (lastMonth && date.day == LunarMonthDays(date.year, 12, date.leap, calendar)) return F::NewYearsEve;
  return FestivalsOf(calendar)[date.month][date.day];
}

}  // namespace tessarine
