#include "holidays/hong_kong/general_holidays.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "calendar/lunar_date.h"
#include "calendar/solar_terms.h"
#include "holidays/hong_kong/easter.h"

// Sources:
//   The Schedule as made by the Holidays (Amendment) Ordinance 1998, for
//     1999 on: LegCo, https://legco.gov.hk/yr98-99/english/bills/c044_e.htm ;
//     the text with its Sunday rules: hklii, Cap. 149 Schedule,
//     http://www.hklii.org/hk/legis/en/ord/149/sch.html
//   The General Holidays and Employment Legislation (Substitution of
//     Holidays)(Amendment) Ordinance 2011, in force 2012-02-24 (農曆年初四;
//     L 08-17): Labour Department,
//     https://www.labour.gov.hk/eng/news/Substitution_of_Holidays.htm
//   The names: the gazette's yearly lists (政府公布某年公眾假期), e.g.
//     2026's, http://sc.isd.gov.hk/TuniS//www.info.gov.hk/gia/general/202505/16/P2025051300354.htm ,
//     and 2007's for 農曆年初一之前一日 (a copy of the 2006-04-07 release,
//     http://samsmho.blogspot.com/2006/04/2007.html).

namespace tessarine::hong_kong {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

constexpr sys_days kSubstitution2012{year{2012} / 2 / 24};
constexpr unsigned kQingmingTerm = 7;  // the first term of the third month

struct OneOff {
  std::chrono::year_month_day date;
  std::string_view name;
};

// Days appointed once, each by its own instrument.
constexpr std::array kOneOffs = {
    // Appointed under s.6(1)(a) by resolution of 1999-07-07 (L.N. 191 of
    // 1999): LegCo paper LS 228/98-99,
    // https://legco.gov.hk/yr98-99/english/hc/papers/h2506228.htm . How the
    // gazette named it in that year's list was not found; it is named by
    // what it is, an additional general holiday.
    OneOff{year{1999} / 12 / 31, "增補公眾假期"},
    // Special Holiday (3 September 2015) Ordinance,《特別假期(2015年9月3日)條例》,
    // passed 2015-07-08; the government's statement names the day
    // 中國人民抗日戰爭勝利70周年紀念日 (新華網, 2015-05-13,
    // https://big5.cri.cn/gate/big5/taiwan.cri.cn/2015-5-14/04b222f8-70b7-40b7-8311-a498002f15f4.html).
    OneOff{year{2015} / 9 / 3, "中國人民抗日戰爭勝利70周年紀念日"},
};

bool IsSunday(sys_days d) { return std::chrono::weekday{d} == std::chrono::Sunday; }

std::optional<sys_days> Lunar(int y, unsigned month, unsigned day) {
  return FromLunarDate(LunarDate{y, month, day, false}, LunarCalendar::China);
}

std::optional<sys_days> ChingMing(int y) {
  for (unsigned d = 3; d <= 7; ++d) {
    const std::chrono::year_month_day date{year{y}, std::chrono::April, std::chrono::day{d}};
    if (SolarTermIndex(date, LunarCalendar::China) == kQingmingTerm) return sys_days{date};
  }
  return std::nullopt;
}

class Builder {
 public:
  void Day(sys_days date, std::string name, bool western = false) {
    out_.push_back({date, std::move(name), western});
  }
  // A holiday that, on a Sunday, is kept on the following day.
  void OrNext(sys_days date, const std::string& name, bool western = false) {
    if (IsSunday(date)) {
      Day(date + days{1}, name + "翌日", western);
    } else {
      Day(date, name, western);
    }
  }
  std::vector<GeneralHoliday> Take() { return std::move(out_); }

 private:
  std::vector<GeneralHoliday> out_;
};

void LunarNewYear(Builder& b, sys_days first) {
  static constexpr std::array<std::string_view, 3> kNames = {"農曆年初一", "農曆年初二", "農曆年初三"};
  bool sunday = false;
  for (int i = 0; i < 3; ++i) {
    const sys_days d = first + days{i};
    if (IsSunday(d)) {
      sunday = true;
    } else {
      b.Day(d, std::string(kNames[static_cast<std::size_t>(i)]));
    }
  }
  if (!sunday) return;
  if (first >= kSubstitution2012) {
    b.Day(first + days{3}, "農曆年初四");
  } else {
    b.Day(first - days{1}, "農曆年初一之前一日");
  }
}

// (o): the day following the Festival. When that is a Sunday, the day after
// it from 2012-02-24; before, the day of the Festival itself (named here as
// the Festival: no list of such a year was found).
void MidAutumn(Builder& b, sys_days festival) {
  const sys_days following = festival + days{1};
  if (!IsSunday(following)) {
    b.Day(following, "中秋節翌日");
  } else if (following >= kSubstitution2012) {
    b.Day(following + days{1}, "中秋節後第二日");
  } else {
    b.Day(festival, "中秋節");
  }
}

// (q) and (r): "weekday" is any day but Sunday.
void Christmas(Builder& b, int y) {
  const sys_days christmas{year{y} / 12 / 25};
  sys_days first = christmas + days{1};
  if (IsSunday(first)) first += days{1};
  b.Day(first, "聖誕節後第一個周日", true);
  if (!IsSunday(christmas)) {
    b.Day(christmas, "聖誕節", true);
  } else {
    b.Day(first + days{1}, "聖誕節後第二個周日", true);
  }
}

}  // namespace

std::vector<GeneralHoliday> ScheduleHolidays(int y) {
  if (y < kFirstRuleYear || y > kLastRuleYear) return {};
  const auto newYear = Lunar(y, 1, 1), buddha = Lunar(y, 4, 8), tuenNg = Lunar(y, 5, 5);
  const auto midAutumn = Lunar(y, 8, 15), chungYeung = Lunar(y, 9, 9);
  const auto chingMing = ChingMing(y);
  if (!newYear || !buddha || !tuenNg || !midAutumn || !chungYeung || !chingMing) return {};

  const auto on = [y](unsigned month, unsigned day) { return sys_days{year{y} / month / day}; };
  const sys_days easter = EasterSunday(y);
  Builder b;
  b.OrNext(on(1, 1), "一月一日", true);
  LunarNewYear(b, *newYear);
  b.OrNext(*chingMing, "清明節");
  b.Day(easter - days{2}, "耶穌受難節", true);
  b.Day(easter - days{1}, "耶穌受難節翌日", true);
  b.Day(easter + days{1}, "復活節星期一", true);
  b.OrNext(on(5, 1), "勞動節", true);
  b.OrNext(*buddha, "佛誕");
  b.OrNext(*tuenNg, "端午節");
  b.OrNext(on(7, 1), "香港特別行政區成立紀念日", true);
  b.OrNext(on(10, 1), "國慶日", true);
  MidAutumn(b, *midAutumn);
  b.OrNext(*chungYeung, "重陽節");
  Christmas(b, y);
  for (const OneOff& once : kOneOffs) {
    if (once.date.year() == year{y}) b.Day(sys_days{once.date}, std::string(once.name), true);
  }
  std::vector<GeneralHoliday> out = b.Take();
  std::stable_sort(out.begin(), out.end(),
                   [](const GeneralHoliday& a, const GeneralHoliday& b) { return a.date < b.date; });
  return out;
}

}  // namespace tessarine::hong_kong
