#include "holidays/korea/statutory_days.h"

#include <algorithm>

#include "calendar/lunar_date.h"

// Sources, each for the era it sets (the research file lists them in full):
//   제2조 as in force 2017-10-17 (대통령령 제28394호), quoted by 한국경제,
//     2021-03-23, https://www.hankyung.com/article/202103237338Q
//   1월 2일 removed from 1999: 대통령령 제15939호 (1998-12-18), 중앙일보
//     "내년부터 신정 하루만 쉰다" https://www.joongang.co.kr/article/3729489
//   식목일 removed, 제헌절 kept "2007년 12월 31일까지": 대통령령 제18893호
//     (2005-06-30) and its 부칙 ②
//   한글날 restored from 2013: 대통령령 제24273호 (2012-12-28), 한국경제TV
//     2013-09-21 https://www.wowtv.co.kr/NewsCenter/News/Read?articleId=A201309210058
//   석가탄신일 renamed 부처님오신날, 국무회의 2017-10-10: 서울신문
//     http://go.seoul.co.kr/news/newsView.php?id=20171011016004
//   제헌절 restored, in force 2026-05-11: 「공휴일에 관한 법률」 개정,
//     promulgated 2026-02-10 (SBS 2026-02-03,
//     https://news.sbs.co.kr/news/endPage.do?news_id=N1008429419)
//   노동절 a 공휴일 from 2026-05-01, and both in 제2조·제3조: 대통령령
//     제36290호 (2026-04-30)
//   제3조 대체공휴일: 대통령령 제24828호 (2013-11-05: 설날, 추석, 어린이날);
//     개정 2021-08-04 (3ㆍ1절, 광복절, 개천절, 한글날; 관보 2021-08-04);
//     대통령령 제33448호 (2023-05-04: 부처님오신날, 기독탄신일)

namespace tessarine::korea {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

constexpr sys_days kBlockSubstitutesFrom{year{2013} / 11 / 5};     // 대통령령 제24828호
constexpr sys_days kNationalSubstitutesFrom{year{2021} / 8 / 4};   // 국경일 four
constexpr sys_days kBuddhaSubstitutesFrom{year{2023} / 5 / 4};     // 대통령령 제33448호
constexpr sys_days kLabourDayFrom{year{2026} / 5 / 1};             // 대통령령 제36290호
constexpr sys_days kConstitutionSubstitutesFrom{year{2026} / 5 / 11};

Trigger Since(sys_days date, sys_days from, Trigger trigger) { return date >= from ? trigger : Trigger::None; }

Holiday Fixed(int y, unsigned month, unsigned day, std::string name, std::optional<sys_days> substitutesFrom) {
  const sys_days date{year{y} / month / day};
  const Trigger trigger = substitutesFrom ? Since(date, *substitutesFrom, Trigger::WeekendOrOverlap) : Trigger::None;
  return Holiday{name, {{date, name}}, trigger, false};
}

// 설날 or 추석: the day before, the day, the day after.
Holiday Block(sys_days day, const std::string& name) {
  Holiday block{name, {{day - days{1}, name + " 전날"}, {day, name}, {day + days{1}, name + " 다음 날"}},
                Since(day - days{1}, kBlockSubstitutesFrom, Trigger::SundayOrOverlap), true};
  return block;
}

std::optional<sys_days> Lunar(int y, unsigned month, unsigned day) {
  return FromLunarDate(LunarDate{y, month, day, false}, LunarCalendar::Korea);
}

void AddLunar(std::vector<Holiday>& out, int y) {
  const auto seollal = Lunar(y, 1, 1);
  const auto buddha = Lunar(y, 4, 8);
  const auto chuseok = Lunar(y, 8, 15);
  if (!seollal || !buddha || !chuseok) return;
  out.push_back(Block(*seollal, "설날"));
  const std::string buddhaName = y <= 2017 ? "석가탄신일" : "부처님 오신 날";
  out.push_back(Holiday{buddhaName, {{*buddha, buddhaName}},
                        Since(*buddha, kBuddhaSubstitutesFrom, Trigger::WeekendOrOverlap), true});
  out.push_back(Block(*chuseok, "추석"));
}

}  // namespace

std::vector<Holiday> StatutoryHolidays(int y) {
  std::vector<Holiday> out;
  if (y < kFirstRuleYear || y > kLastRuleYear) return out;
  out.push_back(Fixed(y, 1, 1, "1월 1일", std::nullopt));
  if (y <= 1998) out.push_back(Fixed(y, 1, 2, "1월 2일", std::nullopt));
  out.push_back(Fixed(y, 3, 1, "3ㆍ1절", kNationalSubstitutesFrom));
  if (y <= 2005) out.push_back(Fixed(y, 4, 5, "식목일", std::nullopt));
  if (y >= 2026) out.push_back(Fixed(y, 5, 1, "노동절", kLabourDayFrom));
  out.push_back(Fixed(y, 5, 5, "어린이날", kBlockSubstitutesFrom));
  out.push_back(Fixed(y, 6, 6, "현충일", std::nullopt));
  if (y <= 2007 || y >= 2026) out.push_back(Fixed(y, 7, 17, "제헌절", kConstitutionSubstitutesFrom));
  out.push_back(Fixed(y, 8, 15, "광복절", kNationalSubstitutesFrom));
  out.push_back(Fixed(y, 10, 3, "개천절", kNationalSubstitutesFrom));
  if (y >= 2013) out.push_back(Fixed(y, 10, 9, "한글날", kNationalSubstitutesFrom));
  out.push_back(Fixed(y, 12, 25, "기독탄신일", kBuddhaSubstitutesFrom));
  const auto before = out.size();
  AddLunar(out, y);
  if (out.size() == before) return {};  // the lunar tables do not reach the year: nothing is guessed
  std::stable_sort(out.begin(), out.end(),
                   [](const Holiday& a, const Holiday& b) { return a.days.front().date < b.days.front().date; });
  return out;
}

}  // namespace tessarine::korea
