#include "calendar/solar_festivals.h"

namespace tessarine {

namespace {

// The vocabulary names them, the fixed ones first: 元旦 … 圣诞节, 母亲节, 父亲节, 感恩节.
struct FixedFestival {
  std::chrono::month_day date;
};

constexpr std::array<FixedFestival, 12> kFixedFestivals = {{
    {std::chrono::January / 1},
    {std::chrono::February / 14},
    {std::chrono::March / 8},
    {std::chrono::April / 1},
    {std::chrono::May / 1},
    {std::chrono::May / 4},
    {std::chrono::June / 1},
    {std::chrono::September / 10},
    {std::chrono::October / 1},
    {std::chrono::October / 31},
    {std::chrono::December / 24},
    {std::chrono::December / 25},
}};

struct FloatingFestival {
  std::chrono::month month;
  std::chrono::weekday_indexed weekday;
};

constexpr std::array<FloatingFestival, 3> kFloatingFestivals = {{
    {std::chrono::May, std::chrono::Sunday[2]},
    {std::chrono::June, std::chrono::Sunday[3]},
    {std::chrono::November, std::chrono::Thursday[4]},
}};

}  // namespace

std::string_view SolarFestivalOf(std::chrono::year_month_day date, Language language) noexcept {
  if (!date.ok()) return {};
  // The vocabulary names the fixed festivals first, then the floating ones.
  const auto& names = VocabularyOf(language).gregorianFestivals;
  static_assert(kFixedFestivals.size() + kFloatingFestivals.size() == std::tuple_size_v<std::decay_t<decltype(names)>>);
  const std::chrono::month_day monthDay{date.month(), date.day()};
  for (std::size_t i = 0; i < kFixedFestivals.size(); ++i) {
    if (kFixedFestivals[i].date == monthDay) return names[i];
  }
  for (std::size_t i = 0; i < kFloatingFestivals.size(); ++i) {
    const std::chrono::year_month_weekday rule{date.year(), kFloatingFestivals[i].month, kFloatingFestivals[i].weekday};
    if (std::chrono::sys_days{rule} == std::chrono::sys_days{date}) return names[kFixedFestivals.size() + i];
  }
  return {};
}

}  // namespace tessarine
