#include "holidays/korea/korean_holidays.h"

#include <algorithm>
#include <map>
#include <string>
#include <variant>

#include "holidays/korea/designated_days.h"
#include "holidays/korea/published_days.h"
#include "holidays/korea/statutory_days.h"
#include "holidays/korea/substitute_days.h"

namespace tessarine {
namespace {

using korea::Holiday;
using korea::NamedDay;

// The names a day carries, fixed-date holidays before lunar ones (as the
// 월력요항 lists 2025-05-05: 어린이날, 부처님 오신 날).
std::map<std::chrono::sys_days, std::string> NamesByDay(const std::vector<Holiday>& holidays) {
  std::vector<const Holiday*> ordered;
  for (const Holiday& h : holidays) ordered.push_back(&h);
  std::stable_partition(ordered.begin(), ordered.end(), [](const Holiday* h) { return !h->lunar; });
  std::map<std::chrono::sys_days, std::string> names;
  for (const Holiday* h : ordered) {
    for (const NamedDay& day : h->days) {
      std::string& name = names[day.date];
      name += name.empty() ? day.name : ", " + day.name;
    }
  }
  return names;
}

}  // namespace

YearRange KoreanPublishedYears() { return korea::PublishedYears(); }

YearRange KoreanRuleYears() {
  return std::get<YearRange>(YearRange::Checked(korea::kFirstRuleYear, korea::kLastRuleYear));
}

std::optional<HolidaySchedule> KoreanRuleSchedule(int year) {
  std::vector<Holiday> holidays = korea::StatutoryHolidays(year);
  if (holidays.empty()) return std::nullopt;
  for (NamedDay& day : korea::DesignatedDays(year)) holidays.push_back(Holiday{day.name, {day}});
  auto names = NamesByDay(holidays);
  for (NamedDay& day : korea::SubstituteDays(holidays)) names.emplace(day.date, std::move(day.name));

  HolidaySchedule schedule{year, {}};
  for (auto& [date, name] : names) {
    schedule.days.push_back({date, HolidayKind::DayOff, std::move(name), HolidayStatus::Provisional});
  }
  return schedule;
}

std::optional<HolidaySchedule> KoreanHolidaySchedule(int year) {
  if (auto published = korea::PublishedSchedule(year)) return published;
  return KoreanRuleSchedule(year);
}

}  // namespace tessarine
