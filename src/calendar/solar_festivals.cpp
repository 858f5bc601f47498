#include "calendar/solar_festivals.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>

namespace tessarine {

const std::array<std::string_view, 7> WeekdayNames = {"日", "一", "二", "三", "四", "五", "六"};

namespace {

struct FixedFestival {
  std::string_view Key;
  std::string_view Name;
};

constexpr std::array<FixedFestival, 12> kFixedFestivals = {{
    {"0101", "元旦"},
    {"0214", "情人节"},
    {"0308", "妇女节"},
    {"0401", "愚人节"},
    {"0501", "劳动节"},
    {"0504", "青年节"},
    {"0601", "儿童节"},
    {"0910", "教师节"},
    {"1001", "国庆节"},
    {"1031", "万圣节"},
    {"1224", "平安夜"},
    {"1225", "圣诞节"},
}};

// The festivals on the n-th weekday of a month, after the fixed ones in the
// lookup order: month, ordinal, weekday and name.
struct FloatingFestival {
  std::string_view Month;
  std::string_view Ordinal;
  std::string_view Weekday;
  std::string_view Name;
};
constexpr std::array<FloatingFestival, 3> kFloatingFestivals = {{
    {"5", "2", "0", "母亲节"},   // second Sunday of May
    {"6", "3", "0", "父亲节"},   // third Sunday of June
    {"11", "4", "4", "感恩节"},  // fourth Thursday of November
}};

std::optional<int> ParseNumber(std::string_view text, int low, int high) {
  int value = 0;
  const char* const end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (parsed.ec != std::errc{} || parsed.ptr != end || value < low || value > high) return {};
  return value;
}

std::string MonthDayKey(int month, int day) {
  char key[24];
  std::snprintf(key, sizeof key, "%.2d%.2d", month, day);
  return key;
}

}  // namespace

std::string NthWeekdayKey(std::string_view year, std::string_view month, std::string_view n,
                          std::string_view weekday) {
  const auto y = ParseNumber(year, 1, 9999);
  const auto m = ParseNumber(month, 1, 12);
  const auto ordinal = ParseNumber(n, 1, 4);
  const auto t = ParseNumber(weekday, 0, 6);
  if (!y || !m || !ordinal || !t) return {};
  const std::chrono::weekday first{
      std::chrono::sys_days{std::chrono::year{*y} / *m / 1}};
  const int offset = (*t - static_cast<int>(first.c_encoding()) + 7) % 7;
  return MonthDayKey(*m, 7 * (*ordinal - 1) + offset + 1);
}

std::string SolarFestivalOf(LunarCalendar& cal, std::string_view year, std::uint16_t month,
                            std::uint16_t day) {
  const auto y = ParseNumber(year, 1, 9999);
  if (!y) return {};
  // The keys depend on the year alone: recompute them only when it changes.
  if (cal.FloatingKeysYear != *y) {
    for (std::size_t i = 0; i < kFloatingFestivals.size(); ++i) {
      const auto& rule = kFloatingFestivals[i];
      cal.FloatingFestivalKeys[i] = NthWeekdayKey(year, rule.Month, rule.Ordinal, rule.Weekday);
    }
    cal.FloatingKeysYear = *y;
  }

  const std::string key = MonthDayKey(month % 100, day % 100);
  for (const auto& festival : kFixedFestivals) {
    if (festival.Key == key) return std::string(festival.Name);
  }
  for (std::size_t i = 0; i < kFloatingFestivals.size(); ++i) {
    if (cal.FloatingFestivalKeys[i] == key) return std::string(kFloatingFestivals[i].Name);
  }
  return {};
}

}  // namespace tessarine
