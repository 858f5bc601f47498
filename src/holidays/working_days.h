// The working days of offices that rest on Saturday and Sunday, as Taiwan's
// 辦公日曆表 and Vietnam's civil service keep them: where a holiday that
// falls on a weekend is made up (補假, nghỉ bù), on the working day before
// or after it, passing over the days already off.
#pragma once

#include <chrono>
#include <set>

namespace tessarine {

bool IsWeekend(std::chrono::sys_days day);

// The first day after `day` that is neither a weekend day nor in `off`.
std::chrono::sys_days NextWorkingDay(std::chrono::sys_days day, const std::set<std::chrono::sys_days>& off);

// The last day before `day` that is neither a weekend day nor in `off`.
std::chrono::sys_days PreviousWorkingDay(std::chrono::sys_days day, const std::set<std::chrono::sys_days>& off);

}  // namespace tessarine
