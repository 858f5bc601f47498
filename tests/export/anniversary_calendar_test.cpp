#include "export/anniversary_calendar.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include <map>

#include "lists/anniversary_list.h"
#include "support/dates.h"
#include "support/generated_file.h"
#include "support/ical_check.h"
#include "support/lines.h"

namespace tessarine {
namespace {

using namespace std::chrono;

const local_seconds kMoment = local_days{2026y / 12 / 8} + 22h + 30min + 6s;

// The file of `entries` over the years, as the pipeline writes it.
std::string FileOf(const std::vector<Anniversary>& entries, int first, int last, std::optional<int> remindDaysBefore) {
  return testing::GeneratedFile(AnniversariesRequest{entries, testing::Years(first, last), remindDaysBefore}, kMoment);
}

std::string Stamp(sys_days date) {
  const year_month_day ymd{date};
  return fmt::format("{:04}{:02}{:02}", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                     static_cast<unsigned>(ymd.day()));
}

// The days of an entry found by walking every day of the span and asking the
// engine for its lunar date: the entry's month and day, the leap month only
// when the entry is in it (or the year has no such leap month), and the last
// day of a 29-day month for day 30.
std::map<std::string, std::string> WalkedTitles(const Anniversary& entry, int first, int last) {
  std::map<std::string, std::string> found;
  for (sys_days d{year{first} / 1 / 1}; d <= sys_days{year{last} / 12 / 31}; d += days{1}) {
    const LunarDate lunar = *ToLunarDate(d, LunarCalendar::China);
    if (lunar.month != entry.month) continue;
    if (lunar.leap && !entry.leap) continue;
    if (!lunar.leap && entry.leap && LeapMonthOf(lunar.year, LunarCalendar::China) == entry.month) continue;
    const bool lastOf29 = lunar.day == 29 && ToLunarDate(d + days{1}, LunarCalendar::China)->day == 1;
    if (lunar.day != entry.day && !(entry.day == 30 && lastOf29)) continue;
    if (entry.firstYear && lunar.year < *entry.firstYear) continue;
    found[Stamp(d)] = entry.name + (entry.firstYear ? fmt::format(" ({})", lunar.year - *entry.firstYear) : "");
  }
  return found;
}

TEST(AnniversaryCalendarTest, EveryOccurrenceAsAnIndependentWalkFindsIt) {
  const auto list = ReadAnniversaryList(
      "闰月,闰四月十五\n三十,八月三十\n腊月,腊月廿三,1990\n正月,正月初一\n生于闰月,2020-06-05\n闰二月,闰2-1\n").value();
  ASSERT_TRUE(list.errors.empty());
  for (const auto& [first, last] : {std::pair{1901, 1910}, std::pair{2020, 2026}, std::pair{2045, 2050}}) {
    const std::string file = FileOf(list.entries, first, last, std::nullopt);
    const auto events = testing::ParseCalendar(file);
    std::map<std::string, std::string> expected;
    for (const auto& entry : list.entries) {
      for (auto& [day, title] : WalkedTitles(entry, first, last)) {
        ASSERT_FALSE(expected.count(day)) << "two entries on one day: pick other test dates";
        expected[day] = title;
      }
    }
    EXPECT_EQ(events, expected) << first << ".." << last;
  }
}

TEST(AnniversaryCalendarTest, FileLinesUidAndReminder) {
  const auto list = ReadAnniversaryList("妈妈生日,三月初八,1960\n").value();
  const std::string file = FileOf(list.entries, 2026, 2026, 2);
  const auto lines = testing::Lines(file);
  const std::string uid = fmt::format("UID:20260424-{:016x}@tessarine", Fnv1a64("妈妈生日\t三月初八"));
  const std::vector<std::string> expected = {
      "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:Tessarine v" TESSARINE_PROJECT_VERSION "//EN", "X-WR-CALNAME:农历纪念日",
      "BEGIN:VEVENT", uid, "DTSTART;VALUE=DATE:20260424", "DTEND;VALUE=DATE:20260425",
      "DTSTAMP:20261208T120000Z", "CREATED:20261208T120000Z", "SUMMARY:妈妈生日 (66)", "TRANSP:TRANSPARENT",
      "X-MICROSOFT-CDO-BUSYSTATUS:FREE", "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:妈妈生日 (66)",
      "TRIGGER:-P1DT15H", "END:VALARM", "END:VEVENT", "END:VCALENDAR"};
  EXPECT_EQ(lines, expected);
  EXPECT_TRUE(file.starts_with("BEGIN:VCALENDAR\r\n"));
  // The UID stays when the count in the title changes.
  const std::string nextYear = FileOf(list.entries, 2027, 2027, std::nullopt);
  EXPECT_NE(nextYear.find(fmt::format("-{:016x}@tessarine", Fnv1a64("妈妈生日\t三月初八"))), std::string::npos);
}

TEST(AnniversaryCalendarTest, ReminderTriggers) {
  const auto list = ReadAnniversaryList("a,1-1\n").value();
  const std::pair<int, const char*> cases[] = {{0, "TRIGGER:PT9H"}, {1, "TRIGGER:-PT15H"}, {2, "TRIGGER:-P1DT15H"},
                                               {30, "TRIGGER:-P29DT15H"}};
  for (const auto& [daysBefore, trigger] : cases) {
    const std::string file = FileOf(list.entries, 2026, 2026, daysBefore);
    EXPECT_NE(file.find(std::string(trigger) + "\r\n"), std::string::npos) << daysBefore;
  }
  EXPECT_EQ(AnniversaryFileName(testing::Years(2026, 2030), kMoment), "Tessarine_Anniversaries_2026-2030_261208-223006.ics");
}

}  // namespace
}  // namespace tessarine
