#include "calendar/sky_times.h"

#include <algorithm>
#include <vector>

#include "calendar/sky_moments.h"

namespace tessarine {
namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;

constexpr sys_days kMomentEpoch{days{sky::kMomentEpochDay}};

Moment MomentOf(std::int32_t minutesSinceEpoch) { return Moment{kMomentEpoch} + minutes{minutesSinceEpoch}; }

// The UTC moments at which civil day `day` begins and ends.
std::pair<Moment, Moment> CivilDayBounds(LunarCalendar calendar, sys_days day) {
  return {Moment{day} - CivilOffset(calendar, day), Moment{day + days{1}} - CivilOffset(calendar, day + days{1})};
}

// The first phase at or after `from`, as an index of the table.
std::size_t FirstPhaseFrom(Moment from) {
  const auto& table = sky::kPhaseMinutes;
  return static_cast<std::size_t>(
      std::lower_bound(table.begin(), table.end(), from, [](std::int32_t m, Moment t) { return MomentOf(m) < t; }) -
      table.begin());
}

PhaseMoment PhaseAt(std::size_t index) {
  return {static_cast<MoonPhase>(index % 4), MomentOf(sky::kPhaseMinutes[index])};
}

}  // namespace

std::chrono::local_time<minutes> CivilTime(LunarCalendar calendar, Moment moment) {
  // The offset of the UTC day is the offset of the civil day: no moment
  // lies within the hours of a change of clock, which fell at midnight.
  const minutes offset = CivilOffset(calendar, std::chrono::floor<days>(moment + hours{8}));
  return std::chrono::local_time<minutes>{(moment + offset).time_since_epoch()};
}

std::optional<Moment> TermMoment(int year, unsigned term) {
  if (year < sky::kFirstTermYear || year > sky::kLastTermYear || term < 1 || term > 24) return std::nullopt;
  return MomentOf(sky::kTermMinutes[static_cast<std::size_t>((year - sky::kFirstTermYear) * 24) + term - 1]);
}

std::optional<sys_days> TermDay(int year, unsigned term, LunarCalendar calendar) {
  const auto moment = TermMoment(year, term);
  if (!moment) return std::nullopt;
  return sys_days{std::chrono::floor<days>(CivilTime(calendar, *moment)).time_since_epoch()};
}

std::vector<PhaseMoment> MoonPhasesBetween(sys_days first, sys_days last, LunarCalendar calendar) {
  std::vector<PhaseMoment> found;
  if (last < first) return found;
  const Moment from = CivilDayBounds(calendar, first).first, to = CivilDayBounds(calendar, last).second;
  for (std::size_t at = FirstPhaseFrom(from); at < sky::kPhaseMinutes.size() && PhaseAt(at).moment < to; ++at) {
    found.push_back(PhaseAt(at));
  }
  return found;
}

std::optional<PhaseMoment> MoonPhaseOn(sys_days day, LunarCalendar calendar) {
  const auto [from, to] = CivilDayBounds(calendar, day);
  const std::size_t at = FirstPhaseFrom(from);
  if (at >= sky::kPhaseMinutes.size() || PhaseAt(at).moment >= to) return std::nullopt;
  return PhaseAt(at);
}

}  // namespace tessarine
