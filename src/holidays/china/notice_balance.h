// Whether a notice's days add up. Every statutory day is granted as a
// weekday off, one that falls on a weekend (or on another holiday's day)
// moved to a weekday, and every make-up workday buys one more weekday off.
// So in each block, the days of one holiday as the notice names them:
//
//   weekdays off = statutory days of its holidays + make-up workdays
//
// A weekend holiday may instead be made good in the next block (2015: 中秋
// on a Sunday, and one more day in 国庆), so two neighbours that add up
// together pass.
//
// A block that does not add up is what a text cut short looks like (a
// 2009 text cut after 共8天 loses its two workdays), so the notice is
// refused unless the user, having checked it, stores it anyway: a notice
// may grant more, as 2015's commemoration and 2020's extended 春节 did.
#pragma once

#include <string>
#include <vector>

#include "holidays/china/built_in_schedule.h"

namespace tessarine {

struct BlockBalance {
  std::string name;     // the holiday as the notice names it
  int weekdaysOff = 0;  // Monday to Friday, in the block
  int statutory = 0;    // of the holidays it names, in the notice's year
  int workdays = 0;     // its make-up workdays

  friend bool operator==(const BlockBalance&, const BlockBalance&) = default;
};

// The blocks of `schedule` that do not add up, in the order they begin.
std::vector<BlockBalance> UnbalancedBlocks(const HolidaySchedule& schedule);

}  // namespace tessarine
