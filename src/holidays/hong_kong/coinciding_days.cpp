#include "holidays/hong_kong/coinciding_days.h"

#include <algorithm>
#include <set>

// Sources: s.6(2) as made by the Holidays (Amendment) Ordinance 1998
// (LegCo, https://legco.gov.hk/yr98-99/english/bills/c044_e.htm); the
// government's statement on 2015's list ("as the day following Ching Ming
// Festival and Easter Monday fall on the same day, the next following day
// that is not itself a general holiday will be observed as an additional
// general holiday"), and its gazette list (http://hksiusiu.blogspot.com/2014/04);
// 2026's statement (政府公布二○二六年公眾假期, 2025-05-16).

namespace tessarine::hong_kong {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

struct Moved {
  GeneralHoliday holiday;
  std::string keeper;  // the name the day kept
};

}  // namespace

std::vector<GeneralHoliday> ObservedHolidays(std::vector<GeneralHoliday> holidays) {
  std::stable_sort(holidays.begin(), holidays.end(),
                   [](const GeneralHoliday& a, const GeneralHoliday& b) { return a.date < b.date; });
  std::vector<GeneralHoliday> kept;
  std::vector<Moved> moved;
  for (auto first = holidays.begin(); first != holidays.end();) {
    const auto last = std::find_if(first, holidays.end(), [&](const GeneralHoliday& h) { return h.date != first->date; });
    auto keeper = std::find_if(first, last, [](const GeneralHoliday& h) { return !h.western; });
    if (keeper == last) keeper = first;
    kept.push_back(*keeper);
    for (auto h = first; h != last; ++h) {
      if (h != keeper) moved.push_back({*h, keeper->name});
    }
    first = last;
  }

  std::set<sys_days> taken;
  std::set<std::string> names;
  for (const GeneralHoliday& h : holidays) {
    taken.insert(h.date);
    names.insert(h.name);
  }
  for (const Moved& m : moved) {
    sys_days d = m.holiday.date + days{1};
    while (taken.contains(d) || std::chrono::weekday{d} == std::chrono::Sunday) d += days{1};
    std::string name = m.holiday.name + "翌日";
    if (names.contains(name)) name = m.keeper + "翌日";
    taken.insert(d);
    names.insert(name);
    kept.push_back({d, std::move(name), false});
  }
  std::stable_sort(kept.begin(), kept.end(),
                   [](const GeneralHoliday& a, const GeneralHoliday& b) { return a.date < b.date; });
  return kept;
}

}  // namespace tessarine::hong_kong
