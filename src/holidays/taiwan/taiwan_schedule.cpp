// Which of Taiwan's two sources answers for a year: the published table,
// else the rules for a year after the last table.
#include "holidays/taiwan/taiwan_schedule.h"

namespace tessarine {

std::optional<HolidaySchedule> TaiwanHolidaySchedule(int year) {
  if (auto published = PublishedTaiwanSchedule(year)) return published;
  // A year before the tables was published too, with 補班 and 調整放假 the
  // rules cannot give: it is unknown rather than guessed.
  if (year > kLastTaiwanTableYear) return TaiwanScheduleFromRules(year);
  return std::nullopt;
}

}  // namespace tessarine
