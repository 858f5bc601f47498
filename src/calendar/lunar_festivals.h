// The lunar festivals of the three calendars as identifiers, and which of
// them each country keeps. A festival falls on a lunar month and day; the
// days of a leap month carry the festivals of the month they repeat, and New
// Year's Eve is the last day of the year whether the twelfth month has 29
// or 30 days. Their names are the vocabulary's (calendar/vocabulary.h).
#pragma once

#include <cstddef>
#include <optional>

#include "calendar/lunar_date.h"

namespace tessarine {

// In the order of the year.
enum class LunarFestival : unsigned char {
  NewYear,          // 1/1: 春节, 설날, Tết Nguyên Đán
  NewYearSecond,    // 1/2
  NewYearThird,     // 1/3
  FirstFullMoon,    // 1/15: 元宵, 정월대보름, Rằm tháng Giêng
  ColdFood,         // 3/3: Tết Hàn thực
  HungKings,        // 3/10: Giỗ Tổ Hùng Vương
  BuddhasBirthday,  // 4/15: Phật Đản
  DragonBoat,       // 5/5
  Qixi,             // 7/7
  MidYear,          // 7/15: 中元节, 백중, Vu Lan
  MidAutumn,        // 8/15
  DoubleNinth,      // 9/9
  WinterClothes,    // 10/1: 祭祖节
  Laba,             // 12/8
  KitchenGods,      // 12/23: 小年, Ông Công Ông Táo
  NewYearsEve,      // the last day of month 12: 除夕, 섣달그믐, Giao thừa
};
inline constexpr std::size_t kLunarFestivalCount = 16;

// The festival `calendar` keeps on `date`, if any; `date` must be ok() in it.
std::optional<LunarFestival> LunarFestivalOn(const LunarDate& date, LunarCalendar calendar);

}  // namespace tessarine
