// Any bytes as a pasted holiday notice: reading must not crash, a notice it
// reads has days of a described year in date order, each once, and merging
// a change into that year never loses a day of another holiday.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/year_range.h"
#include "holidays/china/holiday_notice.h"

using namespace tessarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Read even when the days do not add up, as a user who confirms may store
  // it: the merge below must hold for such a notice too.
  const auto parsed =
      ParseHolidayNotice(text, size % 2 == 0 ? std::optional(2027) : std::nullopt, IfUnbalanced::Read);
  if (!parsed) return 0;
  const HolidayNotice* notice = &*parsed;
  if (!YearRange::Holds(notice->schedule.year)) __builtin_trap();
  const auto& days = notice->schedule.days;
  for (std::size_t i = 1; i < days.size(); ++i) {
    if (!(days[i - 1].date < days[i].date)) __builtin_trap();
  }
  const auto merged = ApplyNotice(*notice, BuiltInHolidaySchedule(2026));
  if (const HolidaySchedule* year = merged ? &*merged : nullptr; year && notice->changedHoliday) {
    for (std::size_t i = 1; i < year->days.size(); ++i) {
      if (!(year->days[i - 1].date < year->days[i].date)) __builtin_trap();
    }
  }
  return 0;
}
