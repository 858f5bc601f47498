// The lunar festivals as identifiers, and which of them each region keeps
// on which day. Most fall on a lunar month and day; the days of a leap month
// carry the festivals of the month they repeat, and New Year's Eve is the
// last day of the year whether the twelfth month has 29 or 30 days. Korea
// also counts two from the winter solstice (한식 and 납일,
// calendar/solstice_days.h). Their names are the vocabulary's
// (calendar/vocabulary.h), one a language; their ids are the same in every
// language (calendar/festival_ids.h).
#pragma once

#include <cstddef>

#include "calendar/festival_list.h"
#include "calendar/lunar_date.h"
#include "calendar/region.h"

namespace tessarine {

// One value a festival, whichever regions keep it and on whichever day:
// Korea's 한식 and Vietnam's Tết Hàn thực are both ColdFood. In the order
// of the year.
enum class LunarFestival : unsigned char {
  NewYear,            // 1/1: 春节, 설날, Tết Nguyên Đán
  NewYearSecond,      // 1/2
  NewYearThird,       // 1/3
  JadeEmperor,        // 1/9: 天公生 (Taiwan)
  GodOfWealth,        // 1/10: Vía Thần Tài (Vietnam)
  FirstFullMoon,      // 1/15: 元宵, 정월대보름, Rằm tháng Giêng
  DoubleThird,        // 3/3: 삼짇날 (Korea)
  ColdFood,           // Tết Hàn thực on 3/3; Korea's 한식, 105 days after the winter solstice
  HungKings,          // 3/10: Giỗ Tổ Hùng Vương
  BuddhasBirthday,    // 4/8 (Korea, Taiwan, Hong Kong) or 4/15 (Vietnam)
  DragonBoat,         // 5/5
  Qixi,               // 7/7
  MidYear,            // 7/15: 中元节, 백중, Vu Lan
  MidAutumn,          // 8/15
  DoubleNinth,        // 9/9
  WinterClothes,      // 10/1: 寒衣节
  LowerYuan,          // 10/15: Tết Hạ Nguyên
  Laba,               // 12/8: 腊八节
  Weiya,              // 12/16: 尾牙 (Taiwan)
  KitchenGods,        // 12/23: 小年, Ông Công Ông Táo
  SendingOffGods,     // 12/24: 送神 (Taiwan)
  Napil,              // Korea's 납일, the third 未 day after the winter solstice
  LittleNewYearsEve,  // the day before New Year's Eve: 小年夜 (Taiwan)
  NewYearsEve,        // the last day of month 12: 除夕, 섣달그믐, Giao thừa
};
inline constexpr std::size_t kLunarFestivalCount = 24;

// The festivals `region` keeps on the lunar date `date` of `calendar`, in
// the order a title prefers them; `date` must be ok() in `calendar`. Only
// those that fall on a lunar date: GetDayInfo adds the days counted from
// the solstice.
FestivalList<LunarFestival> LunarFestivalsOn(const LunarDate& date, LunarCalendar calendar, Region region);

}  // namespace tessarine
