// What the month view shows of each day, taken from the options when they
// change: the title the files would carry (with 休 or 班 when 标注休/班 is
// on), the 休 or 班 badge of the known holiday schedules, the user's
// anniversaries on the day, and the selected day's full description. A
// year's anniversaries are worked out once, when the view first shows it,
// and kept while the list is the same, whatever option changes.
#pragma once

#include <memory>
#include <vector>

#include "compose/anniversary.h"
#include "compose/title_format.h"
#include "holidays/schedule.h"

namespace tessarine {

class AnniversaryDays;
class MonthView;

class MonthContent {
 public:
  MonthContent();
  ~MonthContent();

  // Hands `view` the days as `format` titles them, marked from the `known`
  // schedules (in the titles too when `marksInTitles`), with `anniversaries`.
  void show(MonthView& view, const TitleFormat& format, const std::vector<HolidaySchedule>& known, bool marksInTitles,
            const std::shared_ptr<const std::vector<Anniversary>>& anniversaries);

 private:
  // The anniversaries' days, kept while the list is the same object.
  std::shared_ptr<AnniversaryDays> anniversaryDays_;
};

}  // namespace tessarine
