#include "holidays/schedule.h"

#include <algorithm>

namespace tessarine {

int DaysOffIn(const HolidaySchedule& schedule) {
  return static_cast<int>(std::count_if(schedule.days.begin(), schedule.days.end(),
                                        [](const HolidayDay& day) { return day.kind == HolidayKind::DayOff; }));
}

}  // namespace tessarine
