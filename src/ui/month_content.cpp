#include "ui/month_content.h"

#include <QDate>

#include "calendar/day_info.h"
#include "calendar/folk_layers.h"
#include "calendar/vocabulary_holidays.h"
#include "compose/almanac_text.h"
#include "export/holiday_calendar.h"
#include "ui/anniversary_days.h"
#include "ui/month_view.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

std::chrono::sys_days DayOf(QDate date) {
  return std::chrono::sys_days{std::chrono::year{date.year()} / date.month() / date.day()};
}

// What the view shows, taken from the options when they change: a day's
// content is then computed from it alone. The anniversaries' days are
// shared with the snapshots before it while the list is the same.
struct MonthSnapshot {
  TitleFormat format;
  MarkedDays marks;
  bool marksInTitles = false;
  std::shared_ptr<AnniversaryDays> anniversaries;

  DayCellContent Content(QDate date) {
    DayCellContent cell;
    const auto day = DayOf(date);
    if (!IsDescribable(day)) return cell;
    const std::string title = TitleOf(day, format);
    cell.title = ToQString(marksInTitles ? MarkedTitle(title, day, marks, format.language, format.region) : title);
    if (const auto mark = marks.find(day); mark != marks.end()) {
      const HolidayMarks words = HolidayMarksOf(format.language, format.region);
      cell.dayOff = mark->second.kind == HolidayKind::DayOff;
      const std::string_view workday = words.workday.empty() ? VocabularyOf(format.language).workday : words.workday;
      cell.badge = ToQString(cell.dayOff ? words.dayOff : workday);
    }
    AnniversaryDays::Day on = anniversaries->on(day, kAnniversariesListed);
    cell.anniversaries = std::move(on.titles);
    cell.anniversaryCount = on.count;
    return cell;
  }

  QString Description(QDate date) const {
    const auto day = DayOf(date);
    if (!IsDescribable(day)) return {};
    const DayInfo info = GetDayInfo(day, format.calendar, format.region);
    return ToQString(
        DescriptionOf(info, GetDayAlmanac(day, info.term, info.calendar, info.region), format.monthNaming,
                      format.language));
  }
};

}  // namespace

MonthContent::MonthContent() = default;

MonthContent::~MonthContent() = default;

void MonthContent::show(MonthView& view, const TitleFormat& format, const std::vector<HolidaySchedule>& known,
                        bool marksInTitles, const std::shared_ptr<const std::vector<Anniversary>>& anniversaries) {
  auto snapshot = std::make_shared<MonthSnapshot>();
  snapshot->format = format;
  snapshot->marks = MarksOf(known);
  snapshot->marksInTitles = marksInTitles;
  // The year's anniversaries are worked out again only when the list changed.
  if (!anniversaryDays_ || anniversaryDays_->entries() != anniversaries) {
    anniversaryDays_ = std::make_shared<AnniversaryDays>(anniversaries);
  }
  snapshot->anniversaries = anniversaryDays_;
  view.setContent([snapshot](QDate date) { return snapshot->Content(date); },
                  [snapshot](QDate date) { return snapshot->Description(date); });
}

}  // namespace tessarine
