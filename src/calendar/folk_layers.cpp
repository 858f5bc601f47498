#include "calendar/folk_layers.h"

#include "calendar/lunar_names.h"

namespace tessarine {
namespace {

using std::chrono::days;

constexpr sys_days kJiaZiDay{std::chrono::year{1949} / 10 / 1};
constexpr unsigned kGeng = 6;  // the stem 庚
constexpr unsigned kLiChun = 3, kXiaZhi = 12, kLiQiu = 15, kDongZhi = 24;

int GregorianYear(sys_days day) { return static_cast<int>(std::chrono::year_month_day{day}.year()); }

// The first 庚 day on or after `day`.
sys_days GengOnOrAfter(sys_days day) { return day + days{(kGeng + 10 - DayCycle(day) % 10) % 10}; }

std::optional<PeriodDay> Within(sys_days day, sys_days start, unsigned period, long length) {
  const long offset = (day - start).count();
  if (offset < 0 || offset >= length) return std::nullopt;
  return PeriodDay{period, static_cast<unsigned>(offset) + 1};
}

}  // namespace

unsigned DayCycle(sys_days day) { return static_cast<unsigned>(((day - kJiaZiDay).count() % 60 + 60) % 60); }

int SolarYear(sys_days day, LunarCalendar calendar) {
  const int year = GregorianYear(day);
  const auto liChun = TermDay(year, kLiChun, calendar);
  return liChun && day < *liChun ? year - 1 : year;
}

unsigned MonthCycle(sys_days day, LunarCalendar calendar) {
  // The latest 节 (terms 1, 3, … 23) on or before the day: this year's, or
  // last year's 大雪 for a day before 小寒.
  const int year = GregorianYear(day);
  unsigned jie = 0;
  for (unsigned k = 1; k <= 23; k += 2) {
    const auto on = TermDay(year, k, calendar);
    if (on && *on <= day) jie = k;
  }
  // Months counted from the 寅 month that 立春 begins: 小寒 begins the 丑
  // month, the twelfth of the solar year before.
  const unsigned fromYin = jie == 0 ? 10 : (jie + 21) / 2 % 12;
  // The 寅 month of 1984, a 甲子 year, is 丙寅 (2).
  const long months = 2 + 12L * (SolarYear(day, calendar) - 1984) + fromYin;
  return static_cast<unsigned>((months % 60 + 60) % 60);
}

std::optional<PeriodDay> DogDaysOn(sys_days day, LunarCalendar calendar) {
  const int year = GregorianYear(day);
  const auto xiaZhi = TermDay(year, kXiaZhi, calendar), liQiu = TermDay(year, kLiQiu, calendar);
  if (!xiaZhi || !liQiu) return std::nullopt;
  const sys_days chuFu = GengOnOrAfter(*xiaZhi) + days{20};  // the third 庚 day
  const sys_days moFu = GengOnOrAfter(*liQiu);
  if (auto d = Within(day, chuFu, 1, 10)) return d;
  if (auto d = Within(day, chuFu + days{10}, 2, (moFu - chuFu).count() - 10)) return d;
  return Within(day, moFu, 3, 10);
}

std::optional<PeriodDay> NineNinesOn(sys_days day, LunarCalendar calendar) {
  const int year = GregorianYear(day);
  for (const int winter : {year, year - 1}) {
    const auto dongZhi = TermDay(winter, kDongZhi, calendar);
    if (!dongZhi || day < *dongZhi) continue;
    const long offset = (day - *dongZhi).count();
    if (offset >= 81) return std::nullopt;
    return PeriodDay{static_cast<unsigned>(offset / 9) + 1, static_cast<unsigned>(offset % 9) + 1};
  }
  return std::nullopt;
}

FolkLayers FolkLayersOf(Region region) {
  switch (region) {
    // KASI's 월력요항 and the 만세력 print 초복, 중복 and 말복 on their days
    // (민병희 외, "한국의 삼복 일자 분석", PKAS 29, 2014,
    // doi:10.5303/pkas.2014.29.1.001), and no Korean almanac found counts 数九.
    case Region::Korea: return {DogDaysStyle::FirstDays, false};
    // 数九 is a count of the mainland's north; no Taiwanese, Hong Kong or
    // Vietnamese calendar found prints it (a Taiwanese page calls it "中國
    // 北方民間計算寒冷天氣的一種方法", https://www.wvf.com.tw/). 三伏 stays
    // counted, as this calendar has shown it.
    case Region::Taiwan:
    case Region::HongKong:
    case Region::Vietnam: return {DogDaysStyle::Counted, false};
    case Region::China: break;
  }
  return {DogDaysStyle::Counted, true};
}

DayAlmanac GetDayAlmanac(sys_days day, unsigned term, LunarCalendar calendar, Region region) {
  const FolkLayers layers = FolkLayersOf(region);
  DayAlmanac almanac;
  if (term != 0) almanac.termMoment = TermMoment(GregorianYear(day), term);
  almanac.moonPhase = MoonPhaseOn(day, calendar);
  almanac.dogDays = DogDaysOn(day, calendar);
  almanac.dogDaysStyle = layers.dogDays;
  if (layers.dogDays == DogDaysStyle::FirstDays && almanac.dogDays && almanac.dogDays->day != 1) {
    almanac.dogDays.reset();
  }
  if (layers.nineNines) almanac.nineNines = NineNinesOn(day, calendar);
  almanac.dayCycle = DayCycle(day);
  almanac.monthCycle = MonthCycle(day, calendar);
  almanac.yearCycleByTerm = YearCycle(SolarYear(day, calendar));
  return almanac;
}

}  // namespace tessarine
