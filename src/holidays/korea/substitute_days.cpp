#include "holidays/korea/substitute_days.h"

#include <algorithm>
#include <map>
#include <set>

// Sources: 제3조 as made by 대통령령 제24828호 (2013-11-05), in the
// translation of ja.wikisource (官公署の休日に関する規定, 第3条);
// as amended 2021-08-04 and by 대통령령 제33448호 (2023-05-04); and as
// worded after 대통령령 제36290호 (2026-04-30): "① 1. 국경일·부처님오신날·
// 노동절·어린이날·기독탄신일이 토요일이나 일요일과 겹치는 경우 2. 설·추석
// 연휴가 일요일과 겹치는 경우 3. 평일에 다른 공휴일과 겹치는 경우 → 그
// 공휴일 다음의 첫 번째 비공휴일. ② 대체공휴일끼리 겹치면 그다음
// 비공휴일까지. ③ 대체공휴일이 토요일이면 그다음 비공휴일." The Saturday
// of ③ is skipped in every era: no published year has a substitute that the
// earlier wording would have put on a Saturday.

namespace tessarine::korea {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::weekday;

struct Owed {
  sys_days after;  // the holiday's last day
  const Holiday* holiday;
};

// The holidays a day displaces, by the day of the week: on a Sunday every
// one its era substitutes; on a Saturday those whose trigger counts
// Saturdays; on a weekday all but one of those sharing it, lunar first.
std::vector<const Holiday*> Displaced(sys_days date, std::vector<const Holiday*> here) {
  std::vector<const Holiday*> eligible;
  for (const Holiday* h : here) {
    if (h->trigger != Trigger::None) eligible.push_back(h);
  }
  const weekday w{date};
  if (w == std::chrono::Sunday) return eligible;
  if (w == std::chrono::Saturday) {
    std::erase_if(eligible, [](const Holiday* h) { return h->trigger != Trigger::WeekendOrOverlap; });
    return eligible;
  }
  std::stable_partition(eligible.begin(), eligible.end(), [](const Holiday* h) { return h->lunar; });
  const std::size_t owed = std::min(eligible.size(), here.size() - 1);
  eligible.resize(owed);
  return eligible;
}

}  // namespace

std::vector<NamedDay> SubstituteDays(const std::vector<Holiday>& holidays) {
  std::map<sys_days, std::vector<const Holiday*>> byDay;
  for (const Holiday& h : holidays) {
    for (const NamedDay& day : h.days) byDay[day.date].push_back(&h);
  }
  std::vector<Owed> owed;
  for (const auto& [date, here] : byDay) {
    for (const Holiday* h : Displaced(date, here)) owed.push_back({h->days.back().date, h});
  }
  std::stable_sort(owed.begin(), owed.end(), [](const Owed& a, const Owed& b) { return a.after < b.after; });

  std::set<sys_days> given;
  const auto free = [&](sys_days d) {
    const weekday w{d};
    return w != std::chrono::Sunday && w != std::chrono::Saturday && !byDay.contains(d) && !given.contains(d);
  };
  std::vector<NamedDay> out;
  for (const Owed& o : owed) {
    sys_days d = o.after + days{1};
    while (!free(d)) d += days{1};
    given.insert(d);
    out.push_back({d, "대체공휴일(" + o.holiday->name + ")"});
  }
  std::sort(out.begin(), out.end(), [](const NamedDay& a, const NamedDay& b) { return a.date < b.date; });
  return out;
}

}  // namespace tessarine::korea
