// The anniversary list's words that every front end reads alike: the
// calendar's column, the header row in each language the window speaks,
// and the folding that lets either be written in any case.
#include <gtest/gtest.h>

#include "lists/anniversary_list.h"
#include "lists/calendar_column.h"
#include "lists/folded_text.h"

namespace tessarine {
namespace {

TEST(CalendarColumnTest, FoldedWords) {
  const std::pair<const char*, const char*> cases[] = {
      {"KOREAN", "korean"},   {" Việt Nam ", "việtnam"},  {"VIỆT NAM", "việtnam"}, {"ÂM LỊCH", "âmlịch"},
      {"Đà Nẵng", "đànẵng"},  {"ƠƯ", "ơư"},              {"韓國\u3000陰曆", "韓國陰曆"}, {"한국 음력", "한국음력"},
      {"ÀÝ", "àý"},           {"×", "×"},                {"\xFF" "A", "\xFF" "a"},  {"", ""},
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldedWord(text), folded) << text;
}

TEST(CalendarColumnTest, EveryNameInAnyCase) {
  const std::pair<const char*, LunarCalendar> cases[] = {
      {"", LunarCalendar::China},               {"  ", LunarCalendar::China},
      {"chinese", LunarCalendar::China},        {"China", LunarCalendar::China},
      {"ZH", LunarCalendar::China},             {"农历", LunarCalendar::China},
      {"農曆", LunarCalendar::China},           {"中国农历", LunarCalendar::China},
      {"중국 음력", LunarCalendar::China},      {"Âm lịch Trung Quốc", LunarCalendar::China},
      {"Korean", LunarCalendar::Korea},         {"KOREAN", LunarCalendar::Korea},
      {"korea", LunarCalendar::Korea},          {"ko", LunarCalendar::Korea},
      {"KR", LunarCalendar::Korea},             {"한국", LunarCalendar::Korea},
      {"한국음력", LunarCalendar::Korea},       {"음력", LunarCalendar::Korea},
      {"韩国阴历", LunarCalendar::Korea},       {"韓國陰曆", LunarCalendar::Korea},
      {"Âm lịch Hàn Quốc", LunarCalendar::Korea}, {"Hàn Quốc", LunarCalendar::Korea},
      {"Vietnamese", LunarCalendar::Vietnam},   {"vi", LunarCalendar::Vietnam},
      {"Việt Nam", LunarCalendar::Vietnam},     {"VIET NAM", LunarCalendar::Vietnam},
      {"âm lịch", LunarCalendar::Vietnam},      {"Âm lịch", LunarCalendar::Vietnam},
      {"越南阴历", LunarCalendar::Vietnam},     {"越南陰曆", LunarCalendar::Vietnam},
      {"베트남 음력", LunarCalendar::Vietnam},
  };
  for (const auto& [name, calendar] : cases) EXPECT_EQ(CalendarOfColumn(name), calendar) << name;
  for (const char* other : {"Koreen", "买蛋糕", "japanese", "ja", "note", "韩", "lịch"}) {
    EXPECT_EQ(CalendarOfColumn(other), std::nullopt) << other;
  }
}

// The header row in each language the window speaks, in any case; a row
// that is only like one is an entry (and a bad one).
TEST(CalendarColumnTest, HeadersInEveryLanguage) {
  const std::pair<const char*, bool> cases[] = {
      {"名称,日期,起始年,历法", true},           {"名稱,日期,起始年,曆法", true},
      {"name,date,first year,calendar", true},   {"Name,Date,First Year,Calendar", true},
      {"이름,날짜,시작년,달력", true},           {"Tên,Ngày,Năm đầu,Lịch", true},
      {"TÊN,NGÀY", true},                         {"名称,日期,起始年", true},
      {"name,date,,", false},                     {"name,birthday", false},
      {"이름,날짜,시작년,메모", false},
  };
  for (const auto& [header, isHeader] : cases) {
    const std::string text = std::string(header) + "\na,3-8\n";
    const AnniversaryList list = ReadAnniversaryList(text).value();
    EXPECT_EQ(list.errors.empty(), isHeader) << header;
    EXPECT_EQ(list.entries.size(), 1u) << header;
  }
}

}  // namespace
}  // namespace tessarine
