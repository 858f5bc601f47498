#include "ui/anniversary_days.h"

#include <algorithm>
#include <cstdlib>

#include "calendar/year_range.h"
#include "ui/qt_text.h"

namespace tessarine {

AnniversaryDays::Day AnniversaryDays::on(std::chrono::sys_days day, int most) {
  const int year = static_cast<int>(std::chrono::year_month_day{day}.year());
  if (!YearRange::Holds(year) || entries_->empty()) return {};
  auto found = years_.find(year);
  if (found == years_.end()) {
    if (years_.size() >= kYearsKept) {
      // The year farthest from this one goes: paging on keeps the years near.
      const auto farthest = std::max_element(years_.begin(), years_.end(), [year](const auto& a, const auto& b) {
        return std::abs(a.first - year) < std::abs(b.first - year);
      });
      years_.erase(farthest);
    }
    const YearRange span = std::get<YearRange>(YearRange::Checked(year, year));
    found = years_.emplace(year, Occurrences(*entries_, span)).first;
  }
  const std::vector<Occurrence>& occurrences = found->second;
  const auto first = std::lower_bound(occurrences.begin(), occurrences.end(), day,
                                      [](const Occurrence& o, std::chrono::sys_days d) { return o.date < d; });
  const auto last = std::upper_bound(first, occurrences.end(), day,
                                     [](std::chrono::sys_days d, const Occurrence& o) { return d < o.date; });
  Day result;
  result.count = static_cast<int>(last - first);
  for (auto o = first; o != last && result.titles.size() < most; ++o) result.titles << ToQString(o->title);
  return result;
}

}  // namespace tessarine
