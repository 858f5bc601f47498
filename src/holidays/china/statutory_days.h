// The statutory days off of mainland China's public holidays, as the
// national regulations (全国年节及纪念日放假办法) fix them in each year:
// the days a yearly notice must grant, before it moves weekends around them.
//
//   before 2000    元旦 1, 春节 初一–初三, 劳动节 5-1, 国庆节 10-1–10-2
//   2000–2007      劳动节 5-1–5-3 and 国庆节 10-1–10-3 (the 1999 amendment)
//   2008–2013      春节 除夕–初二; 清明, 端午 and 中秋 one day each;
//                  劳动节 5-1 (the 2007 amendment)
//   2014–2024      春节 初一–初三 (the 2013 amendment)
//   from 2025      春节 除夕–初三, 劳动节 5-1–5-2 (the 2024 amendment)
#pragma once

#include <chrono>
#include <string_view>
#include <vector>

namespace tessarine {

enum class PublicHoliday { NewYear, SpringFestival, Qingming, LabourDay, DragonBoat, MidAutumn, NationalDay };

struct StatutoryDay {
  std::chrono::sys_days date;
  PublicHoliday holiday;
};

// The statutory days of Gregorian year `year`, in date order; two holidays
// may share a day (中秋 on 10-1). Empty for a year the tables do not hold.
std::vector<StatutoryDay> StatutoryDays(int year);

// The public holidays a notice's name covers: 国庆节、中秋节 covers two,
// “五一”国际劳动节 one; a name that is none of them (a commemoration) none.
std::vector<PublicHoliday> HolidaysNamed(std::string_view name);

}  // namespace tessarine
