#include "holidays/china/notice_balance.h"

#include <algorithm>

#include "holidays/china/statutory_days.h"
#include "holidays/china/notice_names.h"

namespace tessarine {

std::vector<BlockBalance> UnbalancedBlocks(const HolidaySchedule& schedule) {
  std::vector<BlockBalance> blocks;
  for (const HolidayDay& day : schedule.days) {
    auto block = std::find_if(blocks.begin(), blocks.end(), [&](const BlockBalance& b) { return b.name == day.name; });
    if (block == blocks.end()) block = blocks.insert(blocks.end(), BlockBalance{day.name});
    const std::chrono::weekday weekday{day.date};
    if (day.kind == HolidayKind::Workday) {
      ++block->workdays;
    } else if (weekday != std::chrono::Saturday && weekday != std::chrono::Sunday) {
      ++block->weekdaysOff;
    }
  }
  const std::vector<StatutoryDay> statutory = StatutoryDays(schedule.year);
  for (BlockBalance& block : blocks) {
    const std::vector<PublicHoliday> named = NoticeHolidays(block.name);
    block.statutory = static_cast<int>(std::count_if(statutory.begin(), statutory.end(), [&](const StatutoryDay& s) {
      return std::find(named.begin(), named.end(), s.holiday) != named.end();
    }));
  }
  const auto owed = [](const BlockBalance& b) { return b.statutory + b.workdays - b.weekdaysOff; };
  // A weekend holiday may be made good in the next block instead of its
  // own: 2015's 中秋 fell on a Sunday and 国庆 got the extra day.
  std::vector<BlockBalance> unbalanced;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (owed(blocks[i]) == 0) continue;
    if (i + 1 < blocks.size() && owed(blocks[i]) > 0 && owed(blocks[i]) + owed(blocks[i + 1]) == 0) {
      ++i;
      continue;
    }
    unbalanced.push_back(blocks[i]);
  }
  return unbalanced;
}

}  // namespace tessarine
