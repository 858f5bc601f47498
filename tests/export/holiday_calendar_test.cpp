#include "export/holiday_calendar.h"

#include <gtest/gtest.h>

#include "lists/holiday_list.h"
#include "support/dates.h"
#include "support/generated_file.h"
#include "support/ical_check.h"

namespace tessarine {
namespace {

using testing::Date;

TEST(HolidayCalendarTest, OneEventADayOffOrWorkday) {
  const std::vector<HolidaySchedule> known = KnownSchedules({});
  const std::vector<DayEvent> events = HolidayEvents(known, testing::Years(2026, 2026), Language::ZhHans, Region::China);
  ASSERT_EQ(events.size(), 33u + 6u);
  EXPECT_EQ(events.front().title, "元旦(休)");
  EXPECT_EQ(events.front().identity.kind, EventKind::Holiday);
  EXPECT_EQ(events.front().officialDay, HolidayKind::DayOff);
  EXPECT_EQ(events[3].title, "元旦(班)");
  EXPECT_EQ(events[3].officialDay, HolidayKind::Workday);
  // A year's 元旦 that begins in the December before comes with its year.
  const auto y2023 = HolidayEvents(known, testing::Years(2023, 2023), Language::ZhHans, Region::China);
  EXPECT_EQ(y2023.front().date, Date(2022, 12, 31));
  EXPECT_TRUE(HolidayEvents(known, testing::Years(2030, 2035), Language::ZhHans, Region::China).empty());

  const std::string file = testing::GeneratedFile(HolidaysRequest{testing::Years(2026, 2026), Region::China, Language::ZhHans, known},
                                                  std::chrono::local_days{Date(2026, 1, 1).time_since_epoch()});
  EXPECT_EQ(testing::ParseCalendar(file).size(), events.size());
  EXPECT_NE(file.find("\r\nX-WR-CALNAME:法定节假日\r\n"), std::string::npos);
  EXPECT_NE(file.find("UID:20261010-holiday@tessarine\r\n"), std::string::npos);
  // A day off and a make-up workday, as Apple's calendar marks them.
  EXPECT_NE(file.find("UID:20260101-holiday@tessarine\r\nDTSTART;VALUE=DATE:20260101\r\n"), std::string::npos);
  EXPECT_NE(file.find("SUMMARY:元旦(休)\r\nTRANSP:TRANSPARENT\r\nX-MICROSOFT-CDO-BUSYSTATUS:FREE\r\n"
                      "X-APPLE-SPECIAL-DAY:WORK-HOLIDAY\r\nEND:VEVENT\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("SUMMARY:元旦(班)\r\nTRANSP:TRANSPARENT\r\nX-MICROSOFT-CDO-BUSYSTATUS:FREE\r\n"
                      "X-APPLE-SPECIAL-DAY:ALTERNATE-WORKDAY\r\nEND:VEVENT\r\n"),
            std::string::npos);
}

TEST(HolidayCalendarTest, MarksOnlyOnTitledDays) {
  const MarkedDays marks = MarksOf(KnownSchedules({}));
  EXPECT_EQ(MarkedTitle("初一", Date(2026, 2, 17), marks, Language::ZhHans, Region::China), "初一(休)");
  EXPECT_EQ(MarkedTitle("十二", Date(2026, 2, 28), marks, Language::ZhHans, Region::China), "十二(班)");
  EXPECT_EQ(MarkedTitle("十三", Date(2026, 3, 1), marks, Language::ZhHans, Region::China), "十三");
  EXPECT_EQ(MarkedTitle("", Date(2026, 2, 17), marks, Language::ZhHans, Region::China), "");
}

// Each region's marks in each language, and a day from the rules alone
// saying so in the same words.
TEST(HolidayCalendarTest, AMarkInTheRegionsAndTheLanguagesWords) {
  const auto day = [](HolidayKind kind, HolidayStatus status) { return HolidayDay{Date(2030, 2, 2), kind, "", status}; };
  const auto off = day(HolidayKind::DayOff, HolidayStatus::Official);
  const auto work = day(HolidayKind::Workday, HolidayStatus::Official);
  const auto offLater = day(HolidayKind::DayOff, HolidayStatus::Provisional);
  const struct {
    HolidayDay day;
    Language language;
    Region region;
    const char* mark;
  } cases[] = {
      {off, Language::ZhHans, Region::China, "(休)"},
      {work, Language::ZhHans, Region::China, "(班)"},
      {work, Language::ZhHant, Region::Taiwan, "(補班)"},
      {work, Language::ZhHans, Region::Taiwan, "(补班)"},
      {off, Language::ZhHant, Region::HongKong, "(休)"},
      {offLater, Language::ZhHant, Region::HongKong, "(休、暫定)"},
      {off, Language::Korean, Region::Korea, "(휴)"},
      {offLater, Language::Korean, Region::Korea, "(휴, 예정)"},
      {work, Language::Korean, Region::Korea, "(근무)"},
      {off, Language::Vietnamese, Region::Vietnam, "(Nghỉ)"},
      {work, Language::Vietnamese, Region::Vietnam, "(Làm bù)"},
      {offLater, Language::Vietnamese, Region::Vietnam, "(Nghỉ, dự kiến)"},
      {offLater, Language::ZhHans, Region::Korea, "(休、暂定)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HolidayMark(c.day, c.language, c.region), c.mark)
        << LanguageTag(c.language) << " " << RegionTag(c.region) << " " << c.mark;
  }
}

}  // namespace
}  // namespace tessarine
