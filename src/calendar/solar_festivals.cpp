#include "calendar/solar_festivals.h"

namespace tessarine {

const std::array<std::string_view, 7> WeekdayNames = {"日", "一", "二", "三", "四", "五", "六"};

namespace {

struct FixedFestival {
  std::chrono::month_day date;
  std::string_view name;
};

constexpr std::array<FixedFestival, 12> kFixedFestivals = {{
    {std::chrono::January / 1, "元旦"},
    {std::chrono::February / 14, "情人节"},
    {std::chrono::March / 8, "妇女节"},
    {std::chrono::April / 1, "愚人节"},
    {std::chrono::May / 1, "劳动节"},
    {std::chrono::May / 4, "青年节"},
    {std::chrono::June / 1, "儿童节"},
    {std::chrono::September / 10, "教师节"},
    {std::chrono::October / 1, "国庆节"},
    {std::chrono::October / 31, "万圣节"},
    {std::chrono::December / 24, "平安夜"},
    {std::chrono::December / 25, "圣诞节"},
}};

struct FloatingFestival {
  std::chrono::month month;
  std::chrono::weekday_indexed weekday;
  std::string_view name;
};

constexpr std::array<FloatingFestival, 3> kFloatingFestivals = {{
    {std::chrono::May, std::chrono::Sunday[2], "母亲节"},
    {std::chrono::June, std::chrono::Sunday[3], "父亲节"},
    {std::chrono::November, std::chrono::Thursday[4], "感恩节"},
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
