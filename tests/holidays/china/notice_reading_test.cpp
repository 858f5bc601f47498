// A notice read whole or refused, for the ways a pasted text loses days: a
// day written 号, a text cut inside its last item, a holiday named as the
// older notices named it, and days that do not add up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "holidays/china/holiday_notice.h"
#include "holidays/china/notice_names.h"
#include "holidays/china/notice_text.h"
#include "support/dates.h"
#include "support/notices.h"

namespace tessarine {
namespace {

using testing::Date;

using testing::Notice;
using testing::ReadFile;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

Result<HolidayNotice, NoticeError> Parse(const std::string& text) { return ParseHolidayNotice(text); }

std::string Problem(const Result<HolidayNotice, NoticeError>& parsed) {
  if (!parsed) {
    return "problem " + std::to_string(static_cast<int>(parsed.error().problem)) + " in " + parsed.error().sentence;
  }
  return "read";
}

// A day written with 号 (or 號) is the day written with 日: the 2015
// notice's 清明 as a page may write it keeps 04-05, as the notice has it.
TEST(NoticeReadingTest, DaysWrittenWithHao) {
  HolidaySchedule expected = *BuiltInHolidaySchedule(2015);
  std::erase_if(expected.days, [](const HolidayDay& d) { return d.name == "抗战胜利70周年纪念日"; });
  const std::string notice = Notice(2015);
  for (const auto& [from, to] : {std::pair{"4月5日放假", "4月5号放假"}, std::pair{"4月5日放假", "4月5號放假"},
                                 std::pair{"2月18日至24日", "2月18号—24号"}, std::pair{"6月20日放假", "6月20号放假"}}) {
    const auto parsed = Parse(Replaced(notice, from, to));
    ASSERT_TRUE(parsed.has_value()) << to << ": " << Problem(parsed);
    EXPECT_EQ(parsed.value().schedule, expected) << to;
  }
  const auto weekday = Parse(Replaced(notice, "4月6日（星期一）补休", "4月6号（星期二）补休"));
  ASSERT_FALSE(weekday.has_value());
  EXPECT_EQ(weekday.error().problem, NoticeProblem::WrongWeekday);  // its note checked as 日's
}

// The 2009 notice as one page gives it, cut in its last item after
// "照常公休；1": its two make-up workdays are lost, so it is refused, naming
// where it stops; and so is a cut anywhere in that item's last sentence.
TEST(NoticeReadingTest, ATextCutInsideItsLastItemIsRefused) {
  const std::string whole = Notice(2009);
  const std::string mark = "10月4日（星期日）照常公休；";
  const std::string cut = whole.substr(0, whole.find(mark) + mark.size()) + "1";
  for (const std::string& text : {cut, Replaced(cut, "（星期日）照常", "(星期日)照常")}) {
    const auto parsed = Parse(text);
    ASSERT_FALSE(parsed.has_value()) << text;
    EXPECT_EQ(parsed.error().problem, NoticeProblem::CutShort);
    EXPECT_TRUE(parsed.error().sentence.starts_with("国庆节、中秋节: 其中,10月1日〔周四〕"))
        << parsed.error().sentence;
    EXPECT_TRUE(parsed.error().sentence.ends_with("照常公休;1"))
        << parsed.error().sentence;
  }
  const std::string lastSentence = "9月27日（星期日）、10月10日（星期六）上班。";
  const std::size_t start = whole.find(lastSentence);
  ASSERT_NE(start, std::string::npos);
  for (std::size_t length = 1; length < lastSentence.size(); ++length) {
    const std::string text = whole.substr(0, start + length);
    if (Parse(text).has_value()) ADD_FAILURE() << text.substr(start);
  }
  EXPECT_TRUE(Parse(whole).has_value());
  // What a page sets after the whole notice does not make it cut short.
  EXPECT_TRUE(Parse(whole + "\n相关阅读：春节国家规定休息几天\n").has_value());
}

// The 2007 notice names its holidays “五一” and “十一”, as the notices of
// 2000 to 2007 did: each is known, so the whole notice adds up.
TEST(NoticeReadingTest, The2007NoticeWithItsOwnNames) {
  const auto parsed = Parse(Notice(2007));
  ASSERT_TRUE(parsed.has_value()) << Problem(parsed);
  const HolidaySchedule& schedule = parsed.value().schedule;
  EXPECT_EQ(schedule.year, 2007);
  std::vector<HolidayDay> expected;
  const auto add = [&expected](std::chrono::sys_days first, int count, HolidayKind kind, const char* name) {
    for (int i = 0; i < count; ++i) expected.push_back({first + std::chrono::days{i}, kind, name});
  };
  add(Date(2006, 12, 30), 2, HolidayKind::Workday, "元旦");
  add(Date(2007, 1, 1), 3, HolidayKind::DayOff, "元旦");
  add(Date(2007, 2, 17), 1, HolidayKind::Workday, "春节");
  add(Date(2007, 2, 18), 7, HolidayKind::DayOff, "春节");
  add(Date(2007, 2, 25), 1, HolidayKind::Workday, "春节");
  add(Date(2007, 4, 28), 2, HolidayKind::Workday, "“五一”");
  add(Date(2007, 5, 1), 7, HolidayKind::DayOff, "“五一”");
  add(Date(2007, 9, 29), 2, HolidayKind::Workday, "“十一”");
  add(Date(2007, 10, 1), 7, HolidayKind::DayOff, "“十一”");
  EXPECT_EQ(schedule.days, expected);
  const auto read = ParseHolidayNotice(Notice(2007), std::nullopt, IfUnbalanced::Read);
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(read.value().unbalanced.empty())
      << read.value().unbalanced.front().name;
}

// Every holiday name the notices have used stands for a public holiday:
// each item's and each opening sentence's, in every notice of the tests,
// and the older notices' ways besides.
TEST(NoticeReadingTest, EveryNameTheNoticesUsedIsKnown) {
  std::set<std::string> names = {"元旦",   "春节",   "“五一”", "“十一”", "五一",     "十一",       "「十一」",
                                 "国庆",   "国庆节", "劳动节", "国际劳动节", "“五一”国际劳动节", "清明节", "端午节",
                                 "中秋节", "国庆节、中秋节", "中秋节、国庆节"};
  int notices = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TESSARINE_NOTICES_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    ++notices;
    const std::string text = notice::Normalised(ReadFile(entry.path())).value();
    const std::vector<notice::Item> items = notice::Items(text).value();
    for (const notice::Item& item : items) names.insert(item.name);
    for (const std::string& name : notice::OpeningNames(text).value_or(std::vector<std::string>{})) names.insert(name);
  }
  EXPECT_GE(notices, 20);
  for (const std::string& name : names) EXPECT_FALSE(NoticeHolidays(name).empty()) << name;
  EXPECT_EQ(NoticeHolidays("“十一”"), std::vector<PublicHoliday>{PublicHoliday::NationalDay});
  EXPECT_EQ(NoticeHolidays("“五一”"), std::vector<PublicHoliday>{PublicHoliday::LabourDay});
  for (const char* number : {"十一月", "二十一", "十一日", "11"}) EXPECT_TRUE(NoticeHolidays(number).empty()) << number;
}

// Every notice of the tests reads without a refusal and adds up: the ones
// of the built-in years are held to that table elsewhere.
TEST(NoticeReadingTest, EveryNoticeOfTheTestsAddsUp) {
  for (const auto& entry : std::filesystem::directory_iterator(TESSARINE_NOTICES_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    EXPECT_TRUE(Parse(ReadFile(entry.path())).has_value())
        << entry.path().filename() << ": " << Problem(Parse(ReadFile(entry.path())));
  }
}

}  // namespace
}  // namespace tessarine
