// One entry point for every region's schedule: each region answered by its
// own engine over the years it covers and by nothing outside them, with its
// days' status, and the issue's examples asked through it.
#include "holidays/region_holidays.h"

#include <gtest/gtest.h>

#include "calendar/vocabulary_holidays.h"
#include "holidays/china/built_in_schedule.h"
#include "holidays/hong_kong/hong_kong_holidays.h"
#include "holidays/korea/korean_holidays.h"
#include "holidays/taiwan/taiwan_schedule.h"
#include "holidays/vietnam/vietnam_schedule.h"
#include "support/dates.h"
#include "support/schedule_days.h"

namespace tessarine {
namespace {

using testing::Date;
using testing::DayOf;
using testing::Iso;
using testing::Years;

struct RegionCase {
  Region region;
  YearRange published;
  YearRange known;
  std::optional<HolidaySchedule> (*own)(int);
};

// The spans each engine's header states, and the engine itself.
const RegionCase kRegions[] = {
    {Region::China, Years(2008, 2026), Years(2008, 2026), BuiltInHolidaySchedule},
    {Region::Korea, Years(2018, 2027), Years(1991, 2100), KoreanHolidaySchedule},
    {Region::HongKong, Years(2012, 2026), Years(1999, 2100), HongKongHolidaySchedule},
    {Region::Taiwan, Years(2017, 2027), Years(2017, 2100), TaiwanHolidaySchedule},
    {Region::Vietnam, Years(2023, 2026), Years(2023, 2100), VietnamHolidaySchedule},
};

TEST(RegionHolidaysTest, EachRegionHasItsOwnYearsAndNothingElse) {
  for (const RegionCase& c : kRegions) {
    const RegionHolidayYears years = HolidayYearsOf(c.region);
    EXPECT_EQ(years.published, c.published) << RegionTag(c.region);
    EXPECT_EQ(years.known, c.known) << RegionTag(c.region);
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
      const auto schedule = RegionHolidaySchedule(c.region, year);
      EXPECT_EQ(schedule, c.own(year)) << RegionTag(c.region) << ' ' << year;
      const bool known = year >= static_cast<int>(c.known.first()) && year <= static_cast<int>(c.known.last());
      ASSERT_EQ(schedule.has_value(), known) << RegionTag(c.region) << ' ' << year;
      if (!schedule) continue;
      EXPECT_EQ(schedule->year, year);
      EXPECT_FALSE(schedule->days.empty()) << RegionTag(c.region) << ' ' << year;
      const bool published =
          year >= static_cast<int>(c.published.first()) && year <= static_cast<int>(c.published.last());
      for (const HolidayDay& day : schedule->days) {
        EXPECT_EQ(day.status, published ? HolidayStatus::Official : HolidayStatus::Provisional)
            << RegionTag(c.region) << ' ' << Iso(day.date);
        if (!HasMakeUpWorkdays(c.region)) {
          EXPECT_EQ(day.kind, HolidayKind::DayOff) << Iso(day.date);
        }
      }
    }
  }
}

// The issue's "done when": 설날 2027 on the Korean calendar with its
// substitute, 한글날's substitute, and the mainland's 国庆 off only there.
TEST(RegionHolidaysTest, TheIssuesDays) {
  const struct {
    Region region;
    std::chrono::sys_days date;
    const char* name;  // nullptr: not a day off
  } cases[] = {
      {Region::Korea, Date(2027, 2, 5), nullptr},
      {Region::Korea, Date(2027, 2, 6), "설날 전날"},
      {Region::Korea, Date(2027, 2, 7), "설날"},
      {Region::Korea, Date(2027, 2, 8), "설날 다음 날"},
      {Region::Korea, Date(2027, 2, 9), "대체공휴일(설날)"},
      {Region::Korea, Date(2027, 2, 10), nullptr},
      {Region::Korea, Date(2027, 10, 11), "대체공휴일(한글날)"},
      {Region::Korea, Date(2026, 10, 1), nullptr},
      {Region::Korea, Date(2026, 9, 25), "추석"},
      {Region::China, Date(2026, 10, 1), "国庆节"},
      {Region::HongKong, Date(2026, 10, 1), "國慶日"},
      {Region::Taiwan, Date(2026, 10, 1), nullptr},
      {Region::Vietnam, Date(2026, 10, 1), nullptr},
  };
  for (const auto& c : cases) {
    const int year = static_cast<int>(std::chrono::year_month_day{c.date}.year());
    const auto schedule = RegionHolidaySchedule(c.region, year);
    ASSERT_TRUE(schedule) << RegionTag(c.region) << ' ' << year;
    const auto day = DayOf(*schedule, c.date);
    ASSERT_EQ(day.has_value(), c.name != nullptr) << RegionTag(c.region) << ' ' << Iso(c.date);
    if (!day) continue;
    EXPECT_EQ(day->name, c.name) << Iso(c.date);
    EXPECT_EQ(day->kind, HolidayKind::DayOff) << Iso(c.date);
  }
}

TEST(RegionHolidaysTest, EachRegionsMarksInEachLanguage) {
  const struct {
    Language language;
    Region region;
    std::string_view dayOff, workday;
  } cases[] = {
      {Language::ZhHans, Region::China, "休", "班"},    {Language::ZhHant, Region::Taiwan, "休", "補班"},
      {Language::ZhHans, Region::Taiwan, "休", "补班"}, {Language::ZhHant, Region::HongKong, "休", ""},
      {Language::Korean, Region::Korea, "휴", ""},      {Language::Vietnamese, Region::Vietnam, "Nghỉ", "Làm bù"},
      {Language::Korean, Region::China, "휴", "근무"},  {Language::Vietnamese, Region::Taiwan, "Nghỉ", "Làm bù"},
  };
  for (const auto& c : cases) {
    const HolidayMarks marks = HolidayMarksOf(c.language, c.region);
    EXPECT_EQ(marks.dayOff, c.dayOff) << LanguageTag(c.language) << ' ' << RegionTag(c.region);
    EXPECT_EQ(marks.workday, c.workday) << LanguageTag(c.language) << ' ' << RegionTag(c.region);
    EXPECT_EQ(marks.workday.empty(), !HasMakeUpWorkdays(c.region)) << RegionTag(c.region);
  }
}

}  // namespace
}  // namespace tessarine
