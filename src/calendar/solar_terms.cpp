#include "calendar/solar_terms.h"

#include "calendar/lunar_date.h"

namespace tessarine {

unsigned SolarTermIndex(std::chrono::year_month_day date, LunarCalendar calendar) noexcept {
  const int year = static_cast<int>(date.year());
  const unsigned month = static_cast<unsigned>(date.month());  // [1, 12] when ok()
  const unsigned day = static_cast<unsigned>(date.day());
  if (!date.ok() || year < kFirstTableYear || year > kLastTableYear) return 0;
  const std::uint8_t byte = lunar_detail::TablesOf(calendar).solarTerms[(year - kFirstTableYear) * 12 + (month - 1)];
  const unsigned termDay = day < 15 ? 15 - (byte >> 4) : (byte & 0x0F) + 15;
  if (day != termDay) return 0;
  return day <= 15 ? 2 * month - 1 : 2 * month;
}

}  // namespace tessarine
