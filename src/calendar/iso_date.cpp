#include "calendar/iso_date.h"

#include <cstdio>

namespace tessarine {

std::string IsoDate(std::chrono::sys_days date) {
  const std::chrono::year_month_day ymd{date};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  return text;
}

}  // namespace tessarine
