// Taiwan's days off as the law gives them, for a year without a published
// table: the statutory days and the 補假 of those on a weekend. Two regimes:
//
//   紀念日及節日實施辦法 (內政部; 第5條之1 on 補假 in force 2015-01-01, by
//   103-06-11 台內民字第1030182404號令) with 公務人員週休二日實施辦法 第3條:
//     開國紀念日 1-1, 農曆除夕 and 春節 初一–初三, 和平紀念日 2-28,
//     兒童節 4-4, 民族掃墓節 on the day of 清明, 端午節, 中秋節, 國慶日 10-10.
//   紀念日及節日實施條例 (總統 114-05-28 華總一義字第11400053171號令,
//   in force from its promulgation): 第4條 adds 孔子誕辰紀念日 9-28,
//   臺灣光復暨金門古寧頭大捷紀念日 10-25 and 行憲紀念日 12-25; 第6條
//   adds 小年夜 (除夕及春節 "自農曆十二月末日之前一日至翌年一月三日，放假
//   五日") and 勞動節 5-1 for everyone.
//
// 補假 (辦法 第5條之1, 條例 第8條): a holiday on a Saturday is made up on
// the working day before it, one on a Sunday on the working day after it;
// the days of 除夕 and 春節 (小年夜 included) on a weekend on the working
// days after the holiday. The 條例 lets the latter come before instead, and
// the 2025 處理要點 第3點 lets 和平紀念日's 補假 move next to 春節; the
// tables of 2026 and 2027 did neither, and neither is done here.
//
// 兒童節 on the day of 清明 (辦法 第5條第2項第1款, kept by 條例 第6條 as a
// secondary source quotes it): "於前一日放假。但逢星期四時，於後一日放假"
// — the day moved to is named 補假, as the tables name it. The shared day is
// 兒童節及民族掃墓節 in the tables; under the 條例 it is written 兒童節及
// 清明節 after the 清明節 of the 2026 tables, for no table has shown it yet.
#include <algorithm>
#include <set>
#include <string>

#include "calendar/lunar_date.h"
#include "calendar/solar_terms.h"
#include "holidays/taiwan/taiwan_schedule.h"
#include "holidays/working_days.h"

namespace tessarine {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

constexpr unsigned kQingmingTerm = 7;
constexpr std::string_view kMakeUp = "補假";
// The 條例's first day in force: promulgated 2025-05-28, "自總統公布日施行"
// (other reports say 05-30 or 05-31; no holiday falls between).
constexpr sys_days kStatuteInForce{year{2025} / 5 / 28};

struct Observance {
  sys_days date;
  std::string name;
  bool springFestival = false;  // a day of 小年夜, 除夕 and 春節
  bool named = true;            // listed on a weekend under its name; a moved 兒童節 is not
};

bool UnderStatute(sys_days day) { return day >= kStatuteInForce; }

std::optional<sys_days> QingmingDay(int y) {
  for (unsigned d = 3; d <= 7; ++d) {
    const std::chrono::year_month_day date{year{y}, std::chrono::April, std::chrono::day{d}};
    if (SolarTermIndex(date, LunarCalendar::China) == kQingmingTerm) return sys_days{date};
  }
  return std::nullopt;
}

void AddSpringFestival(std::vector<Observance>& out, sys_days newYear) {
  const sys_days eve = newYear - days{1};
  if (UnderStatute(eve - days{1})) out.push_back({eve - days{1}, "小年夜", true});
  out.push_back({eve, "農曆除夕", true});
  for (int i = 0; i < 3; ++i) out.push_back({newYear + days{i}, "春節", true});
}

// 兒童節 and 民族掃墓節 (清明節 in the tables from 2026).
void AddChildrenAndTombSweeping(std::vector<Observance>& out, int y, sys_days qingming) {
  const sys_days children{year{y} / 4 / 4};
  const std::string tomb = UnderStatute(qingming) ? "清明節" : "民族掃墓節";
  if (qingming != children) {
    out.push_back({children, "兒童節"});
    out.push_back({qingming, tomb});
    return;
  }
  out.push_back({children, "兒童節及" + tomb});
  const bool thursday = std::chrono::weekday{children} == std::chrono::Thursday;
  out.push_back({children + days{thursday ? 1 : -1}, std::string(kMakeUp), false, false});
}

// Two holidays on one day (中秋節 on 9-28 may be) are one day off, named
// after both as the tables name 兒童節及民族掃墓節: the law gives a 補假
// for a holiday on a weekend, not for one on another holiday.
std::vector<Observance> MergedSameDays(std::vector<Observance> sorted) {
  std::vector<Observance> merged;
  for (Observance& holiday : sorted) {
    if (merged.empty() || merged.back().date != holiday.date) {
      merged.push_back(std::move(holiday));
      continue;
    }
    merged.back().name += "及" + holiday.name;
    merged.back().springFestival = merged.back().springFestival || holiday.springFestival;
  }
  return merged;
}

// The year's statutory days off, or nothing when the lunar tables do not
// reach its festivals.
std::optional<std::vector<Observance>> ObservancesOf(int y) {
  const auto lunar = [y](unsigned month, unsigned day) {
    return FromLunarDate(LunarDate{y, month, day, false}, LunarCalendar::China);
  };
  const auto newYear = lunar(1, 1), dragonBoat = lunar(5, 5), midAutumn = lunar(8, 15);
  const auto qingming = QingmingDay(y);
  if (!newYear || !dragonBoat || !midAutumn || !qingming) return std::nullopt;
  const auto on = [y](unsigned month, unsigned day) { return sys_days{year{y} / month / day}; };
  std::vector<Observance> out;
  out.push_back({on(1, 1), "開國紀念日"});
  AddSpringFestival(out, *newYear);
  out.push_back({on(2, 28), "和平紀念日"});
  AddChildrenAndTombSweeping(out, y, *qingming);
  if (UnderStatute(on(5, 1))) out.push_back({on(5, 1), "勞動節"});
  out.push_back({*dragonBoat, "端午節"});
  out.push_back({*midAutumn, "中秋節"});
  if (UnderStatute(on(9, 28))) out.push_back({on(9, 28), "孔子誕辰紀念日/教師節"});
  out.push_back({on(10, 10), "國慶日"});
  if (UnderStatute(on(10, 25))) out.push_back({on(10, 25), "臺灣光復暨金門古寧頭大捷紀念日"});
  if (UnderStatute(on(12, 25))) out.push_back({on(12, 25), "行憲紀念日"});
  // 開國紀念日 of the year after, whose 補假 on a Saturday is 12-31.
  out.push_back({sys_days{year{y + 1} / 1 / 1}, "開國紀念日"});
  std::stable_sort(out.begin(), out.end(), [](const Observance& a, const Observance& b) { return a.date < b.date; });
  return MergedSameDays(std::move(out));
}

// Where the 補假 of a weekend holiday falls.
sys_days MakeUpDay(const Observance& holiday, sys_days springFestivalEnd, const std::set<sys_days>& off) {
  if (holiday.springFestival) return NextWorkingDay(springFestivalEnd, off);
  if (std::chrono::weekday{holiday.date} == std::chrono::Saturday) return PreviousWorkingDay(holiday.date, off);
  return NextWorkingDay(holiday.date, off);
}

}  // namespace

std::optional<HolidaySchedule> TaiwanScheduleFromRules(int y) {
  if (y < kFirstTaiwanRuleYear || y > kLastTaiwanRuleYear) return std::nullopt;
  const auto observances = ObservancesOf(y);
  if (!observances) return std::nullopt;
  std::set<sys_days> off;
  sys_days springFestivalEnd{};
  std::vector<HolidayDay> days;
  const auto add = [&days](sys_days date, const std::string& name) {
    days.push_back({date, HolidayKind::DayOff, name, HolidayStatus::Provisional});
  };
  for (const Observance& holiday : *observances) {
    if (holiday.springFestival) springFestivalEnd = holiday.date;
    if (!IsWeekend(holiday.date)) off.insert(holiday.date);
    if (!IsWeekend(holiday.date) || holiday.named) add(holiday.date, holiday.name);
  }
  for (const Observance& holiday : *observances) {
    if (!IsWeekend(holiday.date)) continue;
    const sys_days makeUp = MakeUpDay(holiday, springFestivalEnd, off);
    off.insert(makeUp);
    add(makeUp, std::string(kMakeUp));
  }
  const sys_days first{year{y} / 1 / 1}, last{year{y} / 12 / 31};
  std::erase_if(days, [&](const HolidayDay& day) { return day.date < first || day.date > last; });
  std::stable_sort(days.begin(), days.end(), [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return HolidaySchedule{y, std::move(days)};
}

}  // namespace tessarine
