// The writer's own rules: an event's UID made of its date and identity alone,
// whichever way the event is written, and the lines of what an event says
// beyond its title, in their order.
#include "export/ical_writer.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include <algorithm>

#include "support/dates.h"
#include "support/ical_check.h"
#include "support/lines.h"

namespace tessarine {
namespace {

using namespace std::chrono;
using testing::Date;
using testing::Lines;

const local_seconds kMoment = local_days{2026y / 12 / 9} + 9h;

DayEvent Event(sys_days date, EventIdentity identity, std::string title) {
  DayEvent event;
  event.date = date;
  event.identity = identity;
  event.title = std::move(title);
  return event;
}

// The lines of the one event in a file of `event` alone, from BEGIN:VEVENT
// to END:VEVENT.
std::vector<std::string> EventLines(const DayEvent& event) {
  std::string file;
  WriteIcal(file, "测试", std::span(&event, 1), kMoment);
  testing::ParseCalendar(file);
  const std::vector<std::string> lines = Lines(file);
  const auto begin = std::find(lines.begin(), lines.end(), "BEGIN:VEVENT");
  const auto end = std::find(lines.begin(), lines.end(), "END:VEVENT");
  EXPECT_TRUE(begin != lines.end() && end != lines.end());
  return {begin, end + (end == lines.end() ? 0 : 1)};
}

TEST(IcalWriterTest, TheUidIsTheDateAndTheIdentity) {
  const std::uint64_t entry = Fnv1a64("妈妈生日\t三月初八");
  const std::string anniversary = fmt::format("UID:20260424-{:016x}@tessarine", entry);
  struct Case {
    EventIdentity identity;
    std::string uid;
  };
  const Case cases[] = {
      {{EventKind::LunarDay, LunarCalendar::China}, "UID:20260424-lunar@tessarine"},
      {{EventKind::LunarDay, LunarCalendar::Korea}, "UID:20260424-lunar-korean@tessarine"},
      {{EventKind::LunarDay, LunarCalendar::Vietnam}, "UID:20260424-lunar-vietnamese@tessarine"},
      {{EventKind::MoonPhase, LunarCalendar::China}, "UID:20260424-moon@tessarine"},
      {{EventKind::MoonPhase, LunarCalendar::Vietnam}, "UID:20260424-moon-vietnamese@tessarine"},
      {{EventKind::SolarTerm, LunarCalendar::China}, "UID:20260424-term@tessarine"},
      {{EventKind::SolarTerm, LunarCalendar::Korea}, "UID:20260424-term-korean@tessarine"},
      {{EventKind::Holiday, LunarCalendar::China}, "UID:20260424-holiday@tessarine"},
      {{EventKind::Anniversary, LunarCalendar::China, entry}, anniversary},
      // The entry's key names its calendar already.
      {{EventKind::Anniversary, LunarCalendar::Korea, entry}, anniversary},
      {{EventKind::Reminder, LunarCalendar::China, entry},
       fmt::format("UID:20260424-{:016x}@tessarine", Fnv1a64("妈妈生日\t三月初八\treminder"))},
  };
  // A short title alone takes the writer's quick way; a title folded over
  // two lines, a description or an alarm the general one.
  const auto ways = {+[](DayEvent&) {}, +[](DayEvent& e) { e.title.assign(60, 'x').append("一二三四五六七八九十"); },
                     +[](DayEvent& e) { e.description = "说明"; }, +[](DayEvent& e) { e.remindDaysBefore = 1; }};
  for (const Case& c : cases) {
    for (const auto way : ways) {
      DayEvent event = Event(Date(2026, 4, 24), c.identity, "妈妈生日");
      way(event);
      const std::vector<std::string> lines = EventLines(event);
      ASSERT_GE(lines.size(), 2u);
      EXPECT_EQ(lines[1], c.uid) << event.title;
    }
  }
}

// Two events in a row of different kinds each get their own UID: the quick
// way keeps the lines it made for the kind before.
TEST(IcalWriterTest, EachEventOfAFileHasItsOwnKindsUid) {
  const std::uint64_t entry = Fnv1a64("a");
  const std::vector<DayEvent> events = {
      Event(Date(2026, 1, 1), {EventKind::LunarDay}, "a"),
      Event(Date(2026, 1, 2), {EventKind::Anniversary, {}, entry}, "b"),
      Event(Date(2026, 1, 2), {EventKind::Reminder, {}, entry}, "c"),
      Event(Date(2026, 1, 3), {EventKind::SolarTerm, LunarCalendar::Korea}, "d"),
      Event(Date(2026, 1, 4), {EventKind::LunarDay}, "e"),
  };
  std::string file;
  WriteIcal(file, "测试", events, kMoment);
  std::vector<std::string> uids;
  for (const std::string& line : Lines(file)) {
    if (line.starts_with("UID:")) uids.push_back(line);
  }
  const std::vector<std::string> expected = {
      "UID:20260101-lunar@tessarine", fmt::format("UID:20260102-{:016x}@tessarine", entry),
      fmt::format("UID:20260102-{:016x}@tessarine", Fnv1a64("a\treminder")), "UID:20260103-term-korean@tessarine",
      "UID:20260104-lunar@tessarine"};
  EXPECT_EQ(uids, expected);
}

TEST(IcalWriterTest, WhatAnEventSaysAfterItsTitle) {
  const std::string transparent = "TRANSP:TRANSPARENT", free = "X-MICROSOFT-CDO-BUSYSTATUS:FREE";
  struct Case {
    const char* what;
    void (*set)(DayEvent&);
    std::vector<std::string> lines;  // after SUMMARY, before END:VEVENT
  };
  const Case cases[] = {
      {"nothing", [](DayEvent&) {}, {transparent, free}},
      {"a day off", [](DayEvent& e) { e.officialDay = HolidayKind::DayOff; },
       {transparent, free, "X-APPLE-SPECIAL-DAY:WORK-HOLIDAY"}},
      {"a workday", [](DayEvent& e) { e.officialDay = HolidayKind::Workday; },
       {transparent, free, "X-APPLE-SPECIAL-DAY:ALTERNATE-WORKDAY"}},
      {"busy", [](DayEvent& e) { e.transparency = Transparency::Opaque; }, {"TRANSP:OPAQUE"}},
      {"a description", [](DayEvent& e) { e.description = "甲辰年\n立春, 04:02"; },
       {"DESCRIPTION:甲辰年\\n立春\\, 04:02", transparent, free}},
      {"categories", [](DayEvent& e) { e.categories = {"节日,节气", "农历"}; },
       {"CATEGORIES:节日\\,节气,农历", transparent, free}},
      {"everything", [](DayEvent& e) {
         e.description = "d";
         e.categories = {"c"};
         e.officialDay = HolidayKind::DayOff;
         e.remindDaysBefore = 0;
       },
       {"DESCRIPTION:d", "CATEGORIES:c", "TRANSP:TRANSPARENT", "X-MICROSOFT-CDO-BUSYSTATUS:FREE",
        "X-APPLE-SPECIAL-DAY:WORK-HOLIDAY", "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:元旦", "TRIGGER:PT9H",
        "END:VALARM"}},
  };
  for (const Case& c : cases) {
    DayEvent event = Event(Date(2026, 1, 1), {EventKind::Holiday}, "元旦");
    c.set(event);
    const std::vector<std::string> lines = EventLines(event);
    const auto summary = std::find(lines.begin(), lines.end(), "SUMMARY:元旦");
    ASSERT_NE(summary, lines.end()) << c.what;
    EXPECT_EQ(std::vector<std::string>(summary + 1, lines.end() - 1), c.lines) << c.what;
  }
}

}  // namespace
}  // namespace tessarine
