#include "lists/anniversary_entry.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(AnniversaryEntryTest, DateForms) {
  struct Case {
    std::string date;
    unsigned month, day;
    bool leap;
    std::optional<int> firstYear;
  };
  const Case cases[] = {
      {"三月初八", 3, 8, false, {}},      {"闰四月十五", 4, 15, true, {}},  {"正月初一", 1, 1, false, {}},
      {"冬月初五", 11, 5, false, {}},     {"十一月初五", 11, 5, false, {}}, {"腊月廿三", 12, 23, false, {}},
      {"十二月廿三", 12, 23, false, {}},  {"八月三十", 8, 30, false, {}},   {"十月二十", 10, 20, false, {}},
      {"3-8", 3, 8, false, {}},           {"闰4-15", 4, 15, true, {}},      {"L4-15", 4, 15, true, {}},
      {" 12-30 ", 12, 30, false, {}},
      // As people write them.
      {"润四月十五", 4, 15, true, {}},    {"閏四月十五", 4, 15, true, {}},  {"臘月廿三", 12, 23, false, {}},
      {"元月初一", 1, 1, false, {}},      {"一月初一", 1, 1, false, {}},    {"三月初八日", 3, 8, false, {}},
      {"农历三月初八", 3, 8, false, {}},  {"农历3月8日", 3, 8, false, {}},  {"3月8日", 3, 8, false, {}},
      {"闰4月15", 4, 15, true, {}},       {"３－８", 3, 8, false, {}},      {"十一月初一", 11, 1, false, {}},
      // A Gregorian day of birth: its lunar date and lunar year.
      {"1960-04-03", 3, 8, false, 1960},  {"2023-03-22", 2, 1, true, 2023}, {"1901-01-01", 11, 11, false, 1900},
      {"1960/04/03", 3, 8, false, 1960},  {"1960-4-3", 3, 8, false, 1960},  {"１９６０/4/3", 3, 8, false, 1960},
  };
  for (const auto& c : cases) {
    const EntryResult result = ParseAnniversary({"生日", c.date});
    ASSERT_TRUE(result.has_value()) << c.date;
    const auto& entry = result.value();
    EXPECT_EQ(entry.month, c.month) << c.date;
    EXPECT_EQ(entry.day, c.day) << c.date;
    EXPECT_EQ(entry.leap, c.leap) << c.date;
    EXPECT_EQ(entry.firstYear, c.firstYear) << c.date;
  }
  const auto withYear = ParseAnniversary({" 妈妈生日 ", "三月初八", " 1960", ""}).value();
  EXPECT_EQ(withYear.name, "妈妈生日");
  EXPECT_EQ(withYear.dateText, "三月初八");
  EXPECT_EQ(withYear.firstYear, 1960);
  // A name saved in GBK by mistake comes out as well-formed UTF-8.
  EXPECT_EQ(ParseAnniversary({"\xC2\xE8", "3-8"}).value().name, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

// The optional fourth column names the calendar; empty, it is the Chinese
// one. Anything else there is refused: a note belongs in the fifth.
TEST(AnniversaryEntryTest, TheCalendarColumn) {
  struct Case {
    std::vector<std::string> fields;
    LunarCalendar expected;
  };
  const Case cases[] = {
      {{"제사", "3-3", "", "韩国阴历"}, LunarCalendar::Korea},
      {{"제사", "3-3", "", " korean "}, LunarCalendar::Korea},
      {{"giỗ", "3-3", "", "Âm lịch"}, LunarCalendar::Vietnam},
      {{"giỗ", "3-3", "", "越南陰曆"}, LunarCalendar::Vietnam},
      {{"생일", "3월 3일", "", "Korean"}, LunarCalendar::Korea},
      {{"giỗ", "mùng 3 tháng 3", "", "VIỆT NAM"}, LunarCalendar::Vietnam},
      {{"生日", "3-3", "", "中国农历"}, LunarCalendar::China},
      {{"生日", "3-3", "", ""}, LunarCalendar::China},
      {{"生日", "3-3", "", "", "买蛋糕"}, LunarCalendar::China},
      {{"生日", "3-3"}, LunarCalendar::China},
  };
  for (const auto& c : cases) {
    const auto entry = ParseAnniversary(c.fields).value();
    EXPECT_EQ(entry.calendar, c.expected) << c.fields.back();
  }
  for (const char* notACalendar : {"买蛋糕", "Koreen", "japanese"}) {
    const auto refused = ParseAnniversary({"生日", "3-3", "", notACalendar});
    ASSERT_FALSE(refused.has_value()) << notACalendar;
    EXPECT_EQ(refused.error().field, 4);
    EXPECT_EQ(refused.error().problem, EntryProblem::UnknownCalendar);
    EXPECT_EQ(refused.error().text, notACalendar);
  }
  // A Gregorian day is converted in the entry's calendar: leap 3/3 in Korea, 4/3 in China.
  const auto korean = ParseAnniversary({"제사", "2012-04-23", "", "korean"}).value();
  EXPECT_EQ(std::tie(korean.month, korean.day, korean.leap), std::make_tuple(3u, 3u, true));
  const auto chinese = ParseAnniversary({"生日", "2012-04-23"}).value();
  EXPECT_EQ(std::tie(chinese.month, chinese.day, chinese.leap), std::make_tuple(4u, 3u, false));
  // The Korean 1-1 of 2027 is a day after the Chinese one.
  const auto seollal = ParseAnniversary({"x", "1-1", "", "한국"}).value();
  EXPECT_EQ(NextOccurrence(seollal, std::chrono::sys_days{std::chrono::year{2027} / 1 / 1}),
            std::chrono::sys_days{std::chrono::year{2027} / 2 / 7});
  const auto chunjie = ParseAnniversary({"x", "1-1", ""}).value();
  EXPECT_EQ(NextOccurrence(chunjie, std::chrono::sys_days{std::chrono::year{2027} / 1 / 1}),
            std::chrono::sys_days{std::chrono::year{2027} / 2 / 6});
}

TEST(AnniversaryEntryTest, BadRowsNameTheFieldAndTheProblem) {
  struct Case {
    std::vector<std::string> fields;
    int field;
    EntryProblem problem;
  };
  const Case cases[] = {
      {{"a", "十三月初一"}, 2, EntryProblem::UnknownMonth},   {{"a", "四月四十"}, 2, EntryProblem::UnknownDay},
      {{"a", "13-1"}, 2, EntryProblem::UnknownMonth},         {{"a", "4-31"}, 2, EntryProblem::UnknownDay},
      {{"a", "闰三月"}, 2, EntryProblem::UnknownDay},         {{"a", "tomorrow"}, 2, EntryProblem::UnknownDate},
      {{"a", "1900-12-31"}, 2, EntryProblem::DateOutOfRange}, {{"a", "2101-01-01"}, 2, EntryProblem::DateOutOfRange},
      {{"a", "2023-02-29"}, 2, EntryProblem::NoSuchDay},      {{"a", "3-8", "1960年"}, 3, EntryProblem::BadFirstYear},
      {{"a", "1960/4/31"}, 2, EntryProblem::NoSuchDay},       {{"a", "1960-4-31"}, 2, EntryProblem::NoSuchDay},
      {{"a", "3-8", "2101"}, 3, EntryProblem::BadFirstYear},  {{"a", "3-8", "960"}, 3, EntryProblem::BadFirstYear},
      {{"", "3-8"}, 1, EntryProblem::MissingName},            {{"  ", "3-8"}, 1, EntryProblem::MissingName},
      {{"a"}, 2, EntryProblem::MissingDate},                  {{"a", "3-8", "0000"}, 3, EntryProblem::BadFirstYear},
      // A date with its year in 年: a Gregorian day in words, or a lunar date that carries its year.
      {{"a", "1960年4月3日"}, 2, EntryProblem::GregorianInWords},
      {{"a", "１９６０年４月３日"}, 2, EntryProblem::GregorianInWords},
      {{"a", "1960年04月03"}, 2, EntryProblem::GregorianInWords},
      {{"a", "农历1960年4月3日"}, 2, EntryProblem::YearInLunarDate},
      {{"a", "1960年三月初八"}, 2, EntryProblem::YearInLunarDate},
      {{"a", "1960年闰4月3日"}, 2, EntryProblem::YearInLunarDate},
  };
  for (const auto& c : cases) {
    const EntryResult result = ParseAnniversary(c.fields);
    ASSERT_FALSE(result.has_value()) << c.fields.size();
    const auto& error = result.error();
    EXPECT_EQ(error.field, c.field) << (c.fields.size() > 1 ? c.fields[1] : c.fields[0]);
    EXPECT_EQ(error.problem, c.problem) << (c.fields.size() > 1 ? c.fields[1] : c.fields[0]);
  }
}

}  // namespace
}  // namespace tessarine
