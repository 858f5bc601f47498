// Which of Vietnam's two sources answers for a year: the announced
// arrangement, else the rules for a year after the last one announced.
#include "holidays/vietnam/vietnam_schedule.h"

namespace tessarine {

std::optional<HolidaySchedule> VietnamHolidaySchedule(int y) {
  if (auto published = PublishedVietnamSchedule(y)) return published;
  // A year before the announced ones had its own arrangement, with days the
  // rules cannot give: it is unknown rather than guessed.
  if (y > kLastVietnamTableYear) return VietnamScheduleFromRules(y);
  return std::nullopt;
}

}  // namespace tessarine
