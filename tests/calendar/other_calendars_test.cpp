// The Korean and Vietnamese tables, computed by the same generator from the
// same sky at their own countries' clocks, hold the days where those
// calendars are known to part from the Chinese one.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "calendar/iso_date.h"
#include "calendar/lunar_tables.h"
#include "calendar/lunar_tables_korean.h"
#include "calendar/lunar_tables_vietnamese.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using namespace std::chrono;

// The first day of every month of 1901-2100, by "year month" ("2012 L3" for
// a leap month), read from one calendar's tables.
struct Tables {
  unsigned epochMonth, epochDay, month11Days, month12Days;
  const std::uint16_t* bits;
  const std::uint8_t* leaps;
};

std::map<std::string, sys_days> MonthStarts(const Tables& t) {
  std::map<std::string, sys_days> starts;
  sys_days day = sys_days{year{kFirstTableYear} / 1 / 1};
  day += days{t.epochMonth == 11 ? t.month11Days - t.epochDay + 1 + t.month12Days : t.month12Days - t.epochDay + 1};
  for (int i = 0; i < kTableYears; ++i) {
    const unsigned leap = (t.leaps[i / 2] >> (i % 2 == 0 ? 4 : 0)) & 0xF;
    unsigned month = 1;
    for (int slot = 0, bit = 15; slot < (leap == 0 ? 12 : 13); ++slot, --bit) {
      const bool isLeap = leap != 0 && slot == static_cast<int>(leap);
      const std::string key = std::to_string(kFirstTableYear + i) + (isLeap ? " L" : " ") +
                              std::to_string(isLeap ? month - 1 : month);
      starts[key] = day;
      day += days{(t.bits[i] >> bit) & 1 ? 30 : 29};
      if (!isLeap) ++month;
    }
  }
  return starts;
}

TEST(OtherCalendarsTest, KnownDaysWhereTheyPartFromChina) {
  const auto china = MonthStarts({kEpochLunarMonth, kEpochLunarDay, kMonth11DaysBeforeTables,
                                         kMonth12DaysBeforeTables, LunarMonthBits.data(), LeapMonthTable.data()});
  const auto korea = MonthStarts({korean::kEpochLunarMonth, korean::kEpochLunarDay,
                                         korean::kMonth11DaysBeforeTables, korean::kMonth12DaysBeforeTables,
                                         korean::LunarMonthBits.data(), korean::LeapMonthTable.data()});
  const auto vietnam = MonthStarts({vietnamese::kEpochLunarMonth, vietnamese::kEpochLunarDay,
                                             vietnamese::kMonth11DaysBeforeTables,
                                             vietnamese::kMonth12DaysBeforeTables, vietnamese::LunarMonthBits.data(),
                                             vietnamese::LeapMonthTable.data()});
  struct Case {
    const std::map<std::string, sys_days>& calendar;
    std::string month;
    sys_days start;
  };
  const Case cases[] = {
      {korea, "2012 L3", testing::Date(2012, 4, 21)},    // 2012-04-23 is leap 3/3 in Korea
      {china, "2012 L4", testing::Date(2012, 5, 21)},    // where China's leap month is the 4th
      {korea, "2027 1", testing::Date(2027, 2, 7)},      // Seollal, a day after the Spring Festival
      {korea, "2028 1", testing::Date(2028, 1, 27)},
      {vietnam, "1968 1", testing::Date(1968, 1, 29)},   // Tết 1968 in the North, at UTC+7
      {vietnam, "1985 1", testing::Date(1985, 1, 21)},   // a month before the Spring Festival
      {vietnam, "2030 1", testing::Date(2030, 2, 2)},
      {vietnam, "2053 1", testing::Date(2053, 2, 18)},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.calendar.contains(c.month)) << c.month;
    EXPECT_EQ(IsoDate(c.calendar.at(c.month)), IsoDate(c.start)) << c.month;
  }
  int laterSeollal = 0;
  for (int y = kFirstTableYear; y <= kLastTableYear; ++y) {
    const std::string key = std::to_string(y) + " 1";
    laterSeollal += korea.at(key) == china.at(key) + days{1};
  }
  EXPECT_EQ(laterSeollal, 12);
}

}  // namespace
}  // namespace tessarine
