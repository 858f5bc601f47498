// The local date and time of the machine, for file names and stamps.
#pragma once

#include <chrono>
#include <ctime>

namespace tessarine::cli {

inline std::chrono::local_seconds LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::chrono::year_month_day date{std::chrono::year{local.tm_year + 1900},
                                         std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                         std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
  return std::chrono::local_days{date} + std::chrono::hours{local.tm_hour} +
         std::chrono::minutes{local.tm_min} + std::chrono::seconds{local.tm_sec};
}

}  // namespace tessarine::cli
