#include "holidays/working_days.h"

namespace tessarine {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

bool IsWorking(sys_days day, const std::set<sys_days>& off) { return !IsWeekend(day) && !off.contains(day); }

}  // namespace

bool IsWeekend(sys_days day) {
  const std::chrono::weekday w{day};
  return w == std::chrono::Saturday || w == std::chrono::Sunday;
}

// A year has at most a few dozen days off, so the walk is short.
sys_days NextWorkingDay(sys_days day, const std::set<sys_days>& off) {
  do day += days{1};
  while (!IsWorking(day, off));
  return day;
}

sys_days PreviousWorkingDay(sys_days day, const std::set<sys_days>& off) {
  do day -= days{1};
  while (!IsWorking(day, off));
  return day;
}

}  // namespace tessarine
