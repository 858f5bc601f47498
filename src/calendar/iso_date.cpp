#include "calendar/iso_date.h"

#include <cstdio>

#include "calendar/plain_text.h"

namespace tessarine {

std::string IsoDate(std::chrono::sys_days date) {
  const std::chrono::year_month_day ymd{date};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  return text;
}

std::optional<std::chrono::sys_days> ReadIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = DigitsValue(text.substr(0, 4)), month = DigitsValue(text.substr(5, 2)),
             day = DigitsValue(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                        std::chrono::day{static_cast<unsigned>(*day)}};
  if (!ymd.ok()) return std::nullopt;
  return std::chrono::sys_days{ymd};
}

}  // namespace tessarine
