#include "holidays/hong_kong/holiday_feed.h"

#include <gtest/gtest.h>

#include "holidays/hong_kong/feed_names.h"
#include "holidays/hong_kong/hong_kong_holidays.h"
#include "support/dates.h"
#include "support/temp_folder.h"

namespace tessarine {
namespace {

using testing::Iso;

// The samples (tests/holidays/hong_kong/feeds) are written from copies of
// the 1823 feed: en.ics with the header of the 2025-04-28 copy, CRLF and
// DTSTAMP (2024, 2025); tc.ics in the older form, LF, no DTSTAMP, Outlook's
// X- lines in one event (2023); sc.ics with its names folded across the
// bytes of a character (2026). Each begins with a byte-order mark.
std::string Feed(const char* name) { return testing::ReadFile(std::string(TESSARINE_HK_FEEDS_DIR) + "/" + name); }

std::vector<HolidaySchedule> Read(const std::string& bytes) {
  auto result = ReadHongKongFeed(bytes);
  if (const auto* error = (result ? nullptr : &result.error())) {
    ADD_FAILURE() << "refused: problem " << static_cast<int>(error->problem) << " at line " << error->line << ": "
                  << error->text;
    return {};
  }
  return std::move(result).value();
}

// Each language reads exactly into the published years: the same days and
// the gazette's traditional names, every day Official.
TEST(HongKongFeedTest, ReadsEachLanguageExactly) {
  const std::pair<const char*, std::vector<int>> feeds[] = {
      {"en.ics", {2024, 2025}}, {"tc.ics", {2023}}, {"sc.ics", {2026}}};
  for (const auto& [name, years] : feeds) {
    const auto schedules = Read(Feed(name));
    ASSERT_EQ(schedules.size(), years.size()) << name;
    for (std::size_t i = 0; i < years.size(); ++i) {
      const auto published = HongKongHolidaySchedule(years[i]);
      ASSERT_TRUE(published);
      EXPECT_EQ(schedules[i].year, years[i]) << name;
      EXPECT_EQ(schedules[i], *published) << name << " " << years[i];
    }
  }
}

// No part of a feed is read: every cut before its END:VCALENDAR is refused.
TEST(HongKongFeedTest, RefusesEveryCut) {
  const std::string feed = Feed("en.ics");
  const std::size_t end = feed.rfind("END:VCALENDAR") + std::string_view("END:VCALENDAR").size();
  for (std::size_t length = 0; length < end; length += 7) {
    EXPECT_FALSE(ReadHongKongFeed(feed.substr(0, length)).has_value()) << length;
  }
  EXPECT_TRUE(ReadHongKongFeed(feed.substr(0, end)).has_value());
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(HongKongFeedTest, RefusesWhatItCannotReadWithCertainty) {
  const std::string feed = Feed("tc.ics");
  const std::string first = "SUMMARY:一月一日翌日\n";
  struct Case {
    const char* what;
    std::string text;
    FeedProblem problem;
    int line;
  };
  const Case cases[] = {
      {"empty", "", FeedProblem::NotACalendar, 1},
      {"a CSV", "日期,名稱\n2026-01-01,一月一日\n", FeedProblem::NotACalendar, 1},
      {"the JSON feed", "\xEF\xBB\xBF{\"vcalendar\": []}", FeedProblem::NotACalendar, 1},
      {"no END:VCALENDAR", Replaced(feed, "END:VCALENDAR\n", ""), FeedProblem::CutShort, 128},
      {"text after the end", feed + "BEGIN:VCALENDAR\n", FeedProblem::AfterTheEnd, 130},
      {"not UTF-8", Replaced(feed, "一月一日翌日", "\xB3\xC9\xBA\xA9"), FeedProblem::NotUtf8, 15},
      {"no colon", Replaced(feed, "TRANSP:TRANSPARENT", "TRANSP TRANSPARENT"), FeedProblem::BadLine, 11},
      {"END of nothing open", Replaced(feed, "BEGIN:VEVENT\n", "END:VEVENT\n"), FeedProblem::BadLine, 8},
      {"another component", Replaced(feed, "BEGIN:VEVENT\n", "BEGIN:VTODO\n"), FeedProblem::UnknownComponent, 8},
      {"unknown property", Replaced(feed, first, first + "FOO:1\n"), FeedProblem::UnknownProperty, 16},
      {"version 1.0", Replaced(feed, "VERSION:2.0", "VERSION:1.0"), FeedProblem::WrongVersion, 3},
      {"another scale", Replaced(feed, "CALSCALE:GREGORIAN", "CALSCALE:CHINESE"), FeedProblem::WrongVersion, 4},
      {"a time", Replaced(feed, "DTSTART;VALUE=DATE:20230102", "DTSTART:20230102T000000Z"), FeedProblem::NotADate, 9},
      {"a time zone", Replaced(feed, "DTSTART;VALUE=DATE:", "DTSTART;TZID=Asia/Hong_Kong;VALUE=DATE:"),
       FeedProblem::NotADate, 9},
      {"no such day", Replaced(feed, "DTSTART;VALUE=DATE:20230102", "DTSTART;VALUE=DATE:20230230"),
       FeedProblem::NotADate, 9},
      {"two days", Replaced(feed, "DTEND;VALUE=DATE:20230103", "DTEND;VALUE=DATE:20230104"), FeedProblem::NotOneDay, 10},
      {"a week", Replaced(feed, first, first + "DURATION:P7D\n"), FeedProblem::NotOneDay, 16},
      {"recurring", Replaced(feed, first, first + "RRULE:FREQ=YEARLY\n"), FeedProblem::Recurring, 16},
      {"cancelled", Replaced(feed, first, first + "STATUS:CANCELLED\n"), FeedProblem::Cancelled, 16},
      {"two names", Replaced(feed, first, first + "SUMMARY:又一日\n"), FeedProblem::Repeated, 16},
      {"no name", Replaced(feed, first, ""), FeedProblem::MissingName, 8},
      {"no date", Replaced(feed, "DTSTART;VALUE=DATE:20230102\n", ""), FeedProblem::MissingDate, 8},
      {"another calendar's event", Replaced(feed, "UID:20230102@1823.gov.hk", "UID:abc@example.org"),
       FeedProblem::NotTheFeed, 8},
      {"a UID of another day", Replaced(feed, "UID:20230102@1823.gov.hk", "UID:20230103@1823.gov.hk"),
       FeedProblem::NotTheFeed, 8},
      {"one day twice", Replaced(feed, "DTSTART;VALUE=DATE:20230123\nDTEND;VALUE=DATE:20230124\nTRANSP:TRANSPARENT\nUID:20230123",
                                 "DTSTART;VALUE=DATE:20230102\nDTEND;VALUE=DATE:20230103\nTRANSP:TRANSPARENT\nUID:20230102"),
       FeedProblem::SameDay, 17},
      {"no events", "BEGIN:VCALENDAR\nVERSION:2.0\nEND:VCALENDAR\n", FeedProblem::NoEvents, 3},
  };
  for (const Case& c : cases) {
    const auto result = ReadHongKongFeed(c.text);
    const auto* error = (result ? nullptr : &result.error());
    ASSERT_TRUE(error) << c.what;
    EXPECT_EQ(error->problem, c.problem) << c.what;
    EXPECT_EQ(error->line, c.line) << c.what << ": " << error->text;
  }
}

// What cannot change a day is passed over: X- properties, a reminder, a
// time zone block, a UID in another case, a DTEND left out.
TEST(HongKongFeedTest, PassesOverWhatChangesNoDay) {
  const std::string feed = Feed("tc.ics");
  const std::string first = "SUMMARY:一月一日翌日\n";
  const std::string variants[] = {
      Replaced(feed, first, first + "X-APPLE-TRAVEL-ADVISORY-BEHAVIOR:AUTOMATIC\n"),
      Replaced(feed, first, first + "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-PT15M\nEND:VALARM\n"),
      Replaced(feed, "BEGIN:VEVENT\n", "BEGIN:VTIMEZONE\nTZID:Asia/Hong_Kong\nBEGIN:STANDARD\nTZOFFSETTO:+0800\n"
                                       "END:STANDARD\nEND:VTIMEZONE\nBEGIN:VEVENT\n"),
      Replaced(feed, "UID:20230102@1823.gov.hk", "UID:20230102@1823.GOV.HK"),
      Replaced(feed, "DTEND;VALUE=DATE:20230103\n", ""),
      Replaced(feed, first, "SUMMARY;LANGUAGE=zh-HK:一月一日翌日\n"),
  };
  const auto published = HongKongHolidaySchedule(2023);
  ASSERT_TRUE(published);
  for (const std::string& text : variants) {
    const auto schedules = Read(text);
    ASSERT_EQ(schedules.size(), 1u);
    EXPECT_EQ(schedules[0], *published);
  }
}

// The gazette's names from any of the feed's spellings.
TEST(HongKongFeedTest, NamesInTraditionalChinese) {
  const std::pair<const char*, const char*> names[] = {
      {"Lunar New Year's Day", "農曆年初一"},
      {"Lunar New Year\u2019s Day", "農曆年初一"},
      {"Birthday of the Buddha", "佛誕"},
      {"The Birthday of the Buddha", "佛誕"},
      {"The day following the Labour Day", "勞動節翌日"},
      {"The day following Chung Yeung Festival", "重陽節翌日"},
      {"The day following the Chung Yeung Festival", "重陽節翌日"},
      {"The second day following the Chinese Mid-Autumn Festival", "中秋節後第二日"},
      {"The day following the Chinese Mid-Autumn Festival", "中秋節翌日"},
      {"The day following Hong Kong Special Administrative Region Establishment Day", "香港特別行政區成立紀念日翌日"},
      {"圣诞节后第二个周日", "聖誕節後第二個周日"},
      {"复活节星期一翌日", "復活節星期一翌日"},
      {"農曆年初四", "農曆年初四"},
      {"A day appointed once", "A day appointed once"},
      {"某日翌日", "某日翌日"},
  };
  for (const auto& [summary, name] : names) EXPECT_EQ(hong_kong::GazetteName(summary), name) << summary;
}

}  // namespace
}  // namespace tessarine
