// The many ways people write a date in a hand-kept list, brought to the few
// forms the entry parser reads: 三月初八, 闰4-15, 1960-04-03.
#pragma once

#include <string>
#include <string_view>

namespace tessarine {

// Full-width digits, dashes and slashes become ASCII; 农历 in front, and 日
// after the day, are dropped; 润 and 閏 become 闰, 臘 becomes 腊, 元月 and
// 一月 become 正月; a month and day in digits (3月8) become 3-8; a Gregorian
// date with slashes or one-digit parts (1960/4/3) becomes 1960-04-03.
// Anything else is returned as it is.
std::string NormalDateSpelling(std::string_view text);

}  // namespace tessarine
