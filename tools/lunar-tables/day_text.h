// A day as the generator's messages and comments write it: 2033-12-22.
#pragma once

#include <chrono>
#include <string>

#include <fmt/core.h>

namespace tessarine::tables {

inline std::string Text(std::chrono::sys_days day) {
  const std::chrono::year_month_day date{day};
  return fmt::format("{:04}-{:02}-{:02}", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                     static_cast<unsigned>(date.day()));
}

}  // namespace tessarine::tables
