// Vietnam's days off as the Labour Code itself fixes them, for a year
// without an announced arrangement.
//
//   Bộ luật Lao động 2012 (Luật số 10/2012/QH13), Điều 115, 2013-05-01 to
//   2020-12-31: Tết Dương lịch 1/1; Tết Âm lịch 5 days (one day before and
//   four after, or two and three); Ngày Chiến thắng 30/4; Ngày Quốc tế lao
//   động 1/5; Quốc khánh 2/9, one day; Giỗ Tổ Hùng Vương 10/3 âm lịch.
//   Bộ luật Lao động 2019 (Luật số 45/2019/QH14), Điều 112, from 2021-01-01:
//   the same, but Quốc khánh two days, 2/9 "và 01 ngày liền kề trước hoặc
//   sau"; khoản 3: the Thủ tướng fixes the days of Tết and Quốc khánh each
//   year.
//
// Nghỉ bù (2012 Điều 115 khoản 3; 2019 Điều 111 khoản 3): a holiday on the
// weekly rest day is made up on the next working day. For Tết, and from
// 2021 for Quốc khánh, where it falls depends on the days the Thủ tướng
// chooses, so it is left to the announced arrangement.
#include <algorithm>
#include <set>
#include <string>

#include "calendar/lunar_date.h"
#include "holidays/vietnam/vietnam_schedule.h"
#include "holidays/working_days.h"

namespace tessarine {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

constexpr int kLabourCode2019 = 2021;  // the first year under Bộ luật Lao động 2019

struct Observance {
  sys_days date;
  std::string name;
  bool madeUp;  // a day on a weekend gives a nghỉ bù fixed by law
};

// Two holidays on one day (Giỗ Tổ may fall on 30/4 or 1/5) are one day
// off, named after both: the nghỉ bù of Điều 111 is for a holiday on the
// weekly rest day, not for one on another holiday.
std::vector<Observance> MergedSameDays(std::vector<Observance> sorted) {
  std::vector<Observance> merged;
  for (Observance& holiday : sorted) {
    if (merged.empty() || merged.back().date != holiday.date) {
      merged.push_back(std::move(holiday));
      continue;
    }
    merged.back().name += " và " + holiday.name;
    merged.back().madeUp = merged.back().madeUp || holiday.madeUp;
  }
  return merged;
}

// The year's statutory days, or nothing when the lunar tables do not reach
// its festivals.
std::optional<std::vector<Observance>> ObservancesOf(int y) {
  const auto lunar = [y](unsigned month, unsigned day) {
    return FromLunarDate(LunarDate{y, month, day, false}, LunarCalendar::Vietnam);
  };
  const auto newYear = lunar(1, 1), hungKings = lunar(3, 10);
  if (!newYear || !hungKings) return std::nullopt;
  const auto on = [y](unsigned month, unsigned day) { return sys_days{year{y} / month / day}; };
  std::vector<Observance> out;
  out.push_back({on(1, 1), "Tết Dương lịch", true});
  // Every arrangement holds the last day of the lunar year and mồng 1 to 3;
  // the fifth day is the one before them or mồng 4, as decided.
  for (int i = -1; i < 3; ++i) out.push_back({*newYear + days{i}, "Tết Âm lịch", false});
  out.push_back({*hungKings, "Giỗ Tổ Hùng Vương", true});
  out.push_back({on(4, 30), "Ngày Chiến thắng", true});
  out.push_back({on(5, 1), "Ngày Quốc tế lao động", true});
  out.push_back({on(9, 2), "Quốc khánh", y < kLabourCode2019});
  std::stable_sort(out.begin(), out.end(), [](const Observance& a, const Observance& b) { return a.date < b.date; });
  return MergedSameDays(std::move(out));
}

}  // namespace

std::optional<HolidaySchedule> VietnamScheduleFromRules(int y) {
  if (y < kFirstVietnamRuleYear || y > kLastVietnamRuleYear) return std::nullopt;
  const auto observances = ObservancesOf(y);
  if (!observances) return std::nullopt;
  std::set<sys_days> off;
  std::vector<HolidayDay> result;
  for (const Observance& holiday : *observances) {
    if (!IsWeekend(holiday.date)) off.insert(holiday.date);
    result.push_back({holiday.date, HolidayKind::DayOff, std::string(holiday.name), HolidayStatus::Provisional});
  }
  for (const Observance& holiday : *observances) {
    if (!IsWeekend(holiday.date) || !holiday.madeUp) continue;
    const sys_days makeUp = NextWorkingDay(holiday.date, off);
    off.insert(makeUp);
    result.push_back({makeUp, HolidayKind::DayOff, std::string(holiday.name), HolidayStatus::Provisional});
  }
  std::stable_sort(result.begin(), result.end(),
                   [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return HolidaySchedule{y, std::move(result)};
}

}  // namespace tessarine
