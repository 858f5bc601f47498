// Which region's engine answers for a year, and the years each covers.
#include "holidays/region_holidays.h"

#include <variant>

#include "holidays/china/built_in_schedule.h"
#include "holidays/hong_kong/hong_kong_holidays.h"
#include "holidays/korea/korean_holidays.h"
#include "holidays/taiwan/taiwan_schedule.h"
#include "holidays/vietnam/vietnam_schedule.h"

namespace tessarine {
namespace {

// Every region's years are described years (the engines stop at the
// lunar tables), so the span always exists.
YearRange Span(int first, int last) { return std::get<YearRange>(YearRange::Checked(first, last)); }

}  // namespace

RegionHolidayYears HolidayYearsOf(Region region) {
  switch (region) {
    case Region::China:
      break;
    case Region::Korea:
      return {KoreanPublishedYears(), KoreanRuleYears()};
    case Region::HongKong:
      return {HongKongPublishedYears(), HongKongRuleYears()};
    case Region::Taiwan:
      // The rules answer only after the tables (taiwan_schedule.h).
      return {Span(kFirstTaiwanTableYear, kLastTaiwanTableYear), Span(kFirstTaiwanTableYear, kLastTaiwanRuleYear)};
    case Region::Vietnam:
      return {Span(kFirstVietnamTableYear, kLastVietnamTableYear), Span(kFirstVietnamTableYear, kLastVietnamRuleYear)};
  }
  // The mainland's notices run without a gap; no rule gives a year beyond them.
  const std::vector<int> years = BuiltInHolidayYears();
  return {Span(years.front(), years.back()), Span(years.front(), years.back())};
}

std::optional<HolidaySchedule> RegionHolidaySchedule(Region region, int year) {
  switch (region) {
    case Region::China:
      break;
    case Region::Korea:
      return KoreanHolidaySchedule(year);
    case Region::HongKong:
      return HongKongHolidaySchedule(year);
    case Region::Taiwan:
      return TaiwanHolidaySchedule(year);
    case Region::Vietnam:
      return VietnamHolidaySchedule(year);
  }
  return BuiltInHolidaySchedule(year);
}

bool HasMakeUpWorkdays(Region region) { return region != Region::Korea && region != Region::HongKong; }

}  // namespace tessarine
