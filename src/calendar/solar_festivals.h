// The Gregorian festivals the Chinese calendar shows.
#pragma once

#include <array>
#include <chrono>
#include <string_view>

#include "calendar/vocabulary.h"

namespace tessarine {

// The Gregorian festival of the day, or empty: fixed dates such as 元旦 and
// 国庆节, and the three that fall on the n-th weekday of their month.
std::string_view SolarFestivalOf(std::chrono::year_month_day date, Language language = Language::ZhHans) noexcept;

}  // namespace tessarine
