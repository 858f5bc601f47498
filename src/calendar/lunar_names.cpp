#include "calendar/lunar_names.h"

#include <array>
#include <string_view>

namespace tessarine {
namespace {

using Chars10 = std::array<std::string_view, 10>;
using Chars12 = std::array<std::string_view, 12>;

constexpr Chars10 kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr Chars12 kBranches = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr Chars12 kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr Chars10 kMonthNumerals = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
constexpr std::array<std::string_view, 4> kDayTens = {"初", "十", "廿", "三"};
constexpr Chars10 kDayUnits = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// The sexagenary cycle counts from year 4, a 甲子 year.
constexpr int CycleOf(int year) { return ((year - 4) % 60 + 60) % 60; }  // [0, 59]

}  // namespace

std::string StemBranchName(int year) {
  const int cycle = CycleOf(year);
  return std::string(kStems[cycle % 10]).append(kBranches[cycle % 12]);
}

std::string_view ZodiacName(int year) { return kAnimals[CycleOf(year) % 12]; }

std::string YearName(int year) { return StemBranchName(year).append(" ").append(ZodiacName(year)).append("年"); }

std::string MonthName(unsigned month, bool leap, MonthNaming naming) {
  if (month < 1 || month > 12) return {};
  std::string name;
  name.reserve(12);
  if (leap) name.append("闰");
  if (month <= 10) {
    name.append(kMonthNumerals[month - 1]);
  } else if (naming == MonthNaming::WinterAndLast) {
    name.append(month == 11 ? "冬" : "腊");
  } else {
    name.append(month == 11 ? "十一" : "十二");
  }
  name.append("月");
  return name;
}

std::string DayName(unsigned day) {
  if (day < 1 || day > 30) return {};
  std::string name;
  if (day % 10 == 0 && day >= 20) {
    name.append(kDayUnits[day / 10 - 1]).append("十");
  } else {
    name.append(kDayTens[(day - 1) / 10]).append(kDayUnits[(day - 1) % 10]);
  }
  return name;
}

}  // namespace tessarine
