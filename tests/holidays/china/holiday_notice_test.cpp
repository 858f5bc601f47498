#include "holidays/china/holiday_notice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "holidays/china/notice_balance.h"
#include "support/dates.h"
#include "support/notices.h"

namespace tessarine {
namespace {

using testing::Notice;

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

// The days read, whether or not they add up.
HolidaySchedule Read(const std::string& text, std::optional<int> year = std::nullopt) {
  const auto parsed = ParseHolidayNotice(text, year, IfUnbalanced::Read);
  if (!parsed) {
    ADD_FAILURE() << "problem " << static_cast<int>(parsed.error().problem) << " in " << parsed.error().sentence;
    return {};
  }
  return parsed->schedule;
}

// Every built-in year read from its notice, in the wordings of the years:
// long forms with 其中 clauses (2008, 2009), dashes and 公休, 补休 and
// 与周末连休, days in the December before, traditional characters (2010,
// 2023, 2026), ASCII punctuation (2016), 周X notes and text around them.
// Every block of every notice adds up.
TEST(HolidayNoticeTest, EveryBuiltInYearReadsFromItsNotice) {
  for (const int year : BuiltInHolidayYears()) {
    const auto parsed = ParseHolidayNotice(Notice(year));
    if (!parsed) {
      ADD_FAILURE() << year << ": problem " << static_cast<int>(parsed.error().problem) << " in "
                    << parsed.error().sentence;
      continue;
    }
    const HolidayNotice& notice = *parsed;
    EXPECT_TRUE(notice.unbalanced.empty()) << year << " " << notice.unbalanced.front().name;
    EXPECT_EQ(notice.schedule, AsFirstAnnounced(year)) << year;
  }
}

// The built-in years as they happened add up, but for the two notices that
// granted more: 2015's commemoration and 2020's extended 春节.
TEST(HolidayNoticeTest, BuiltInYearsAddUpButTheTwoExceptions) {
  std::vector<std::string> unbalanced;
  for (const int year : BuiltInHolidayYears()) {
    for (const BlockBalance& block : UnbalancedBlocks(*BuiltInHolidaySchedule(year))) {
      unbalanced.push_back(std::to_string(year) + " " + block.name);
    }
  }
  EXPECT_EQ(unbalanced, (std::vector<std::string>{"2015 抗战胜利70周年纪念日", "2020 春节"}));
  // A 2009 text cut after 共8天 loses its two workdays: refused, naming the
  // block, or read with it for a user who has checked the text.
  std::string cut = Notice(2009);
  cut = cut.substr(0, cut.find("共8天") + std::string("共8天。").size());
  const std::vector<BlockBalance> failing = {{"国庆节、中秋节", 6, 4, 0}};
  const auto refused = ParseHolidayNotice(cut);
  ASSERT_FALSE(refused.has_value());
  EXPECT_EQ(refused.error().problem, NoticeProblem::Unbalanced);
  EXPECT_EQ(refused.error().sentence, "国庆节、中秋节");
  EXPECT_EQ(refused.error().blocks, failing);
  const auto read = ParseHolidayNotice(cut, std::nullopt, IfUnbalanced::Read);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read.value().unbalanced, failing);
}

// The three notices that changed a year already announced, each read as
// that change and merged into the year as first announced.
TEST(HolidayNoticeTest, ChangesToAnAnnouncedYear) {
  const std::string adjusted =
      "國(guó)務(wù)院辦公廳關(guān)于調(diào)整2019年勞(láo)動(dòng)節(jié)假期安排的通知\n"
      "經國務院批准，现将调整2019年劳动节放假安排通知如下。\n"
      "一、2019年5月1日至4日放假调休，共4天。4月28日（星期日）、5月5日（星期日）上班。\n"
      "二、各地区、各部门要抓紧做好本地区、本领域的劳动节假期调整落实工作。\n国务院办公厅\n2019年3月22日\n";
  const std::string extended =
      "国务院办公厅关于延长2020年春节假期的通知\n现将延长2020年春节假期的具体安排通知如下。\n"
      "一、延长2020年春节假期至2月2日（农历正月初九，星期日），2月3日（星期一）起正常上班。\n";
  const std::string commemoration =
      "国务院关于中国人民抗日战争暨世界反法西斯战争胜利70周年纪念日调休放假的通知\n"
      "2015年是中国人民抗日战争暨世界反法西斯战争胜利70周年。2015年9月3日全国放假1天。为方便公众安排假日期间"
      "生产生活，特作如下调休：9月3日至5日调休放假，共3天。其中9月3日（星期四）放假，9月4日（星期五）调休，"
      "9月6日（星期日）上班。\n国务院\n2015年5月13日\n";
  for (const auto& [year, text] : {std::pair{2019, adjusted}, std::pair{2020, extended}, std::pair{2015, commemoration}}) {
    const auto parsed = ParseHolidayNotice(text);
    ASSERT_TRUE(parsed.has_value())
        << year << ": " << static_cast<int>(parsed.error().problem) << parsed.error().sentence;
    const auto merged = ApplyNotice(parsed.value(), AsFirstAnnounced(year));
    ASSERT_TRUE(merged.has_value()) << year;
    HolidaySchedule expected = *BuiltInHolidaySchedule(year);
    for (HolidayDay& day : expected.days) {
      if (day.name == "抗战胜利70周年纪念日") day.name = "中国人民抗日战争暨世界反法西斯战争胜利70周年纪念日";
    }
    EXPECT_EQ(merged.value(), expected) << year;
    EXPECT_EQ(ApplyNotice(parsed.value(), std::nullopt).error().problem,
              NoticeProblem::NothingToChange);
  }
}

TEST(HolidayNoticeTest, WhatCannotBeReadIsRefusedWithTheSentence) {
  const std::string head = "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦和春节放假调休日期的具体安排通知如下。\n";
  const std::string newYear = "一、元旦：1月1日放假。\n";
  struct Case {
    std::string text;
    NoticeProblem problem;
    std::string sentence;  // a part of the sentence reported
  };
  const Case cases[] = {
      {"一、元旦：1月1日放假。", NoticeProblem::NoYear, ""},
      {head + "元旦放假一天。", NoticeProblem::NoItems, ""},
      {head + newYear + "二、春节：2月30日至3月5日放假调休，共5天。", NoticeProblem::NoSuchDate, "2月30日"},
      {head + newYear + "二、春节：2月6日至12日放假调休，共8天。", NoticeProblem::CountMismatch, "共8天"},
      {head + newYear + "二、春节：2028年10月1日至7日放假调休，共7天。", NoticeProblem::OutsideTheYear, "2028年10月1日"},
      {head + newYear + "二、春节：2026年12月31日放假。", NoticeProblem::OutsideTheYear, "12月31日"},
      {head + newYear + "二、春节：待定。", NoticeProblem::NoDays, "待定"},
      {head + newYear + "二、春节：2月6日至8日放假。2月7日上班。", NoticeProblem::BothKinds, "2月7日上班"},
      // An unclosed bracket would swallow every later item.
      {head + newYear + "二、春节（2月6日至12日放假调休，共7天。\n三、国庆节：10月1日放假。", NoticeProblem::UnclosedBracket,
       "二、春节（2月6日"},
      {"国务院办公厅关于1900年部分节假日安排的通知\n一、元旦：1月1日放假。", NoticeProblem::YearOutside, "1900"},
      {"国务院办公厅关于2101年部分节假日安排的通知\n一、元旦：1月1日放假。", NoticeProblem::YearOutside, "2101"},
      {"国务院办公厅关于0000年部分节假日安排的通知\n一、元旦：1月1日放假。", NoticeProblem::YearOutside, "0"},
      {head + "一、元旦：1月1日放假，1月4日（周六）上班。\n二、春节：2月6日放假。", NoticeProblem::WrongWeekday, "1月4日〔周六〕"},
      {Notice(2025) + "\n" + Notice(2026), NoticeProblem::TwoNotices, "2025、2026"},
      // The opening sentence names 春节; an item cut off at the end of a copied text.
      {head + newYear, NoticeProblem::MissingItem, "春节"},
      {head + newYear + "二、春節、", NoticeProblem::UnreadItem, "二、春节、"},
      // No opening sentence: a yearly notice of 2008 on holds all seven.
      {"关于2027年部分节假日安排\n" + newYear + "二、春节：2月6日放假。", NoticeProblem::TooFewHolidays, "清明节、劳动节"},
      // A clause that gives days with a date it cannot read: never dropped.
      {head + newYear + "二、春节：2月5日至8日放假，2月9曰放假。", NoticeProblem::UnreadClause, "2月9曰放假"},
      {head + newYear + "二、春节：2月5日至8日放假，二月九日补休。", NoticeProblem::UnreadClause, "二月九日补休"},
      {head + newYear + "二、春节：2月5日至8日放假，2月放假。", NoticeProblem::UnreadClause, "2月放假"},
      {head + newYear + "二、春节：2月5日至8日放假，2月99999日上班。", NoticeProblem::UnreadClause, "99999"},
      // The last item stops inside its sentence, as a copy cut short does.
      {head + newYear + "二、春节：2月6日至12日放假调休，共7天。2月1", NoticeProblem::CutShort, "春节: 2月1"},
      {head + newYear + "二、春节：2月6日至12日放假调休，共7天。2月20日（星期六）上班\n相关阅读", NoticeProblem::CutShort,
       "春节: 2月20日〔周六〕上班"},
      // 2027's 春节 grants four statutory days: five weekdays off with no
      // make-up workday do not add up.
      {head + newYear + "二、春节：2月6日至12日放假调休，共7天。", NoticeProblem::Unbalanced, "春节"},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseHolidayNotice(c.text);
    ASSERT_FALSE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed.error().problem, c.problem) << c.text;
    EXPECT_NE(parsed.error().sentence.find(c.sentence), std::string::npos)
        << c.text << " -> " << parsed.error().sentence;
  }
  const auto other = ParseHolidayNotice(head + newYear, 2028);
  EXPECT_EQ(other.error().problem, NoticeProblem::YearDisagrees);
}

// Wordings no notice used yet, but a person may paste: several 上班 days
// in one sentence, 至 with a month, a range followed by more dates, pinyin
// after characters, 星期 and ASCII colons, and items without their title
// read for a year given.
TEST(HolidayNoticeTest, OtherWordings) {
  const auto days = Read(
      "关于2027年部分节假日安排\r\n现将2027年元旦、春节和清明节放假通知如下。\r\n"
      "一、春(chūn)节(jié):2月5日(星期五)至2月11日(星期四)放假调休,共7天。1月31日、2月20日与21日上班。\r\n"
      "——元旦:2026年12月31日放假,1月1日放假。\r\n三、清明节：4月3日至5日、4月10日放假。\r\n").days;
  ASSERT_EQ(days.size(), 2u + 7u + 3u + 4u);
  EXPECT_EQ(days.front(), (HolidayDay{testing::Date(2026, 12, 31), HolidayKind::DayOff, "元旦"}));
  EXPECT_EQ(days[2], (HolidayDay{testing::Date(2027, 1, 31), HolidayKind::Workday, "春节"}));
  EXPECT_EQ(days[11], (HolidayDay{testing::Date(2027, 2, 21), HolidayKind::Workday, "春节"}));
  EXPECT_EQ(days[13], (HolidayDay{testing::Date(2027, 4, 4), HolidayKind::DayOff, "清明节"}));  // inside the range
  std::string items = Notice(2026);
  items = items.substr(items.find("一、"));
  items = items.substr(0, items.find("鼓勵"));
  EXPECT_EQ(Read(items, 2026), *BuiltInHolidaySchedule(2026));
}

}  // namespace
}  // namespace tessarine
