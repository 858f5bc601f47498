#include "lists/holiday_notice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/dates.h"

namespace tessarine {
namespace {

std::string Notice(int year) {
  std::ifstream in(std::string(TESSARINE_NOTICES_DIR) + "/" + std::to_string(year) + ".txt", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The built-in schedule of `year` as its first notice had it: three years
// were changed by later notices.
HolidaySchedule AsFirstAnnounced(int year) {
  HolidaySchedule schedule = *BuiltInHolidaySchedule(year);
  auto& days = schedule.days;
  const auto drop = [&days](auto predicate) { std::erase_if(days, predicate); };
  const auto add = [&days](std::chrono::sys_days date, HolidayKind kind, const char* name) {
    days.insert(std::find_if(days.begin(), days.end(), [&](const HolidayDay& d) { return d.date > date; }),
                HolidayDay{date, kind, name});
  };
  if (year == 2015) drop([](const HolidayDay& d) { return d.name == "抗战胜利70周年纪念日"; });
  if (year == 2019) {
    drop([](const HolidayDay& d) { return d.name == "劳动节"; });
    add(testing::Date(2019, 5, 1), HolidayKind::DayOff, "劳动节");
  }
  if (year == 2020) {
    drop([](const HolidayDay& d) { return d.name == "春节" && d.date > testing::Date(2020, 1, 30); });
    add(testing::Date(2020, 2, 1), HolidayKind::Workday, "春节");
  }
  return schedule;
}

// Every built-in year read from its notice, in the wordings of the years:
// long forms with 其中 clauses (2008, 2009), dashes and 公休, 补休 and
// 与周末连休, days in the December before, traditional characters (2010,
// 2023, 2026), ASCII punctuation (2016), 周X notes and text around them.
TEST(HolidayNoticeTest, EveryBuiltInYearReadsFromItsNotice) {
  for (const int year : BuiltInHolidayYears()) {
    const auto parsed = ParseHolidayNotice(Notice(year));
    if (const auto* error = std::get_if<NoticeError>(&parsed)) {
      ADD_FAILURE() << year << ": problem " << static_cast<int>(error->problem) << " in " << error->sentence;
      continue;
    }
    const HolidaySchedule& schedule = std::get<HolidaySchedule>(parsed);
    EXPECT_EQ(schedule.year, year);
    const HolidaySchedule expected = AsFirstAnnounced(year);
    EXPECT_EQ(schedule.days.size(), expected.days.size()) << year;
    for (std::size_t i = 0; i < std::min(schedule.days.size(), expected.days.size()); ++i) {
      EXPECT_EQ(schedule.days[i], expected.days[i]) << year << " day " << i << " " << testing::Iso(schedule.days[i].date)
                                                    << " " << schedule.days[i].name;
    }
  }
}

TEST(HolidayNoticeTest, WhatCannotBeReadIsRefusedWithTheSentence) {
  const std::string head = "国务院办公厅关于2027年部分节假日安排的通知\n";
  struct Case {
    std::string text;
    NoticeProblem problem;
    std::string sentence;  // a part of the sentence reported
  };
  const Case cases[] = {
      {"一、元旦：1月1日放假。", NoticeProblem::NoYear, ""},
      {head + "元旦放假一天。", NoticeProblem::NoItems, ""},
      {head + "一、春节：2月30日至3月5日放假调休，共5天。", NoticeProblem::NoSuchDate, "2月30日"},
      {head + "一、春节：2月6日至12日放假调休，共8天。", NoticeProblem::CountMismatch, "共8天"},
      {head + "一、国庆节：2028年10月1日至7日放假调休，共7天。", NoticeProblem::OutsideTheYear, "2028年10月1日"},
      {head + "一、劳动节：2026年12月31日放假。", NoticeProblem::OutsideTheYear, "12月31日"},
      {head + "一、春节：待定。", NoticeProblem::NoDays, "待定"},
      {head + "一、春节：2月6日至8日放假。2月7日上班。", NoticeProblem::BothKinds, "2月7日上班"},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseHolidayNotice(c.text);
    ASSERT_TRUE(std::holds_alternative<NoticeError>(parsed)) << c.text;
    EXPECT_EQ(std::get<NoticeError>(parsed).problem, c.problem) << c.text;
    EXPECT_NE(std::get<NoticeError>(parsed).sentence.find(c.sentence), std::string::npos) << c.text;
  }
}

// Wordings no notice used yet, but a person may paste: several 上班 days
// in one sentence, 至 with a month, 星期 and ASCII colons.
TEST(HolidayNoticeTest, OtherWordings) {
  const auto parsed = ParseHolidayNotice(
      "关于2027年部分节假日安排\r\n一、春节:2月5日(星期五)至2月11日(星期四)放假调休,共7天。1月31日、2月20日与21日上班。\r\n"
      "——元旦:2026年12月31日放假,1月1日放假。\r\n");
  ASSERT_TRUE(std::holds_alternative<HolidaySchedule>(parsed))
      << static_cast<int>(std::get<NoticeError>(parsed).problem) << std::get<NoticeError>(parsed).sentence;
  const auto& days = std::get<HolidaySchedule>(parsed).days;
  ASSERT_EQ(days.size(), 2u + 7u + 3u);
  EXPECT_EQ(days.front(), (HolidayDay{testing::Date(2026, 12, 31), HolidayKind::DayOff, "元旦"}));
  EXPECT_EQ(days[2], (HolidayDay{testing::Date(2027, 1, 31), HolidayKind::Workday, "春节"}));
  EXPECT_EQ(days.back(), (HolidayDay{testing::Date(2027, 2, 21), HolidayKind::Workday, "春节"}));
}

}  // namespace
}  // namespace tessarine
