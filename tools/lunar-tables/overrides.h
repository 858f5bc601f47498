// The only hand-set facts in the tables: the days on which the computation
// is overruled, each with its reason.
#pragma once

#include <chrono>
#include <span>
#include <string_view>
#include <vector>

#include "sky_events.h"

namespace tessarine::tables {

struct Override {
  std::chrono::sys_days day;  // the day a month begins on
  std::string_view reason;
  bool vietnam = false;  // also in Vietnam's calendar, which followed China's before 1968
};

// The month starts of the calendar that follow the historical
// almanacs or the better lunar theories rather than this computation.
std::vector<Override> MonthStartOverrides(LunarCalendar calendar);

// Moves each overridden new moon to its day. Throws std::runtime_error when
// an override finds no computed new moon within a day of it: the computation
// has changed, and the list must be looked at again.
void ApplyOverrides(LunarCalendar calendar, std::vector<SkyEvent>& newMoons);

}  // namespace tessarine::tables
