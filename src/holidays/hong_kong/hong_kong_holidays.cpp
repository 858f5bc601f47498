#include "holidays/hong_kong/hong_kong_holidays.h"

#include <variant>

#include "holidays/hong_kong/coinciding_days.h"
#include "holidays/hong_kong/general_holidays.h"
#include "holidays/hong_kong/published_days.h"

namespace tessarine {

YearRange HongKongPublishedYears() { return hong_kong::PublishedYears(); }

YearRange HongKongRuleYears() {
  return std::get<YearRange>(YearRange::Checked(hong_kong::kFirstRuleYear, hong_kong::kLastRuleYear));
}

std::optional<HolidaySchedule> HongKongRuleSchedule(int year) {
  auto holidays = hong_kong::ScheduleHolidays(year);
  if (holidays.empty()) return std::nullopt;
  HolidaySchedule schedule{year, {}};
  for (auto& h : hong_kong::ObservedHolidays(std::move(holidays))) {
    schedule.days.push_back({h.date, HolidayKind::DayOff, std::move(h.name), HolidayStatus::Provisional});
  }
  return schedule;
}

std::optional<HolidaySchedule> HongKongHolidaySchedule(int year) {
  if (auto published = hong_kong::PublishedSchedule(year)) return published;
  return HongKongRuleSchedule(year);
}

}  // namespace tessarine
