// A year's 辦公日曆表 CSV as the DGPA writes it, built from a schedule: a
// row for every day (是否放假 2 on a weekend or a day off, 0 on a working
// day or a 補班), the entry's name as its 備註; with the byte-order mark
// and CR LF line ends of the published UTF-8 files.
#pragma once

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "holidays/schedule.h"

namespace tessarine::testing {

inline std::string OfficeCalendarRow(std::chrono::sys_days date, bool off, std::string_view remark) {
  static constexpr std::array<std::string_view, 7> kWeekdays = {"日", "一", "二", "三", "四", "五", "六"};
  const std::chrono::year_month_day ymd{date};
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d%02u%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return std::string(digits) + "," + std::string(kWeekdays[std::chrono::weekday{date}.c_encoding()]) + "," +
         (off ? "2" : "0") + "," + std::string(remark);
}

inline std::string OfficeCalendarCsv(const HolidaySchedule& schedule, std::string_view lineEnd = "\r\n") {
  std::string csv = "\xEF\xBB\xBF西元日期,星期,是否放假,備註";
  csv += lineEnd;
  const std::chrono::sys_days first{std::chrono::year{schedule.year} / 1 / 1};
  const std::chrono::sys_days end{std::chrono::year{schedule.year + 1} / 1 / 1};
  for (auto date = first; date < end; date += std::chrono::days{1}) {
    const std::chrono::weekday w{date};
    bool off = w == std::chrono::Saturday || w == std::chrono::Sunday;
    std::string_view remark;
    for (const HolidayDay& day : schedule.days) {
      if (day.date != date) continue;
      off = day.kind == HolidayKind::DayOff;
      remark = day.name;
    }
    csv += OfficeCalendarRow(date, off, remark);
    csv += lineEnd;
  }
  return csv;
}

}  // namespace tessarine::testing
