#include "compose/template_engine.h"

#include <gtest/gtest.h>

#include "compose/utf8_text.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;

std::string Expand(std::string_view templ, sys_days date, bool collapse = true,
                   MonthNaming naming = MonthNaming::WinterAndLast) {
  return ExpandTemplate(templ, date, naming, collapse);
}

TEST(TemplateEngineTest, Expansions) {
  struct Case {
    std::string_view templ;
    sys_days date;
    bool collapse;
    std::string_view result;
  };
  const Case cases[] = {
      {DefaultTemplate, Date(2014, 9, 8), true, "甲午年【马】 八月十五 2014年 14/9/8 周一 白露 中秋"},
      {DefaultTemplate, Date(2014, 9, 8), false, "甲午年【马】 八月十五 2014年 14/9/8 周一 白露 中秋"},
      {"LD LT LF CW", Date(2013, 1, 2), true, "廿一 三"},
      {"LD LT LF CW", Date(2013, 1, 2), false, "廿一   三"},
      {"", Date(2013, 1, 2), true, ""},
      {"   ", Date(2013, 1, 2), false, ""},
      {"  no  tokens here ", Date(2013, 1, 2), true, "no tokens here"},
      {"  no  tokens here ", Date(2013, 1, 2), false, "no  tokens here"},
      {"LY1", Date(2014, 9, 8), true, "甲午1"},
      {"CLTF", Date(2013, 12, 25), true, "圣诞节"},
      {"CLTF", Date(2013, 12, 26), true, ""},
      {"YCM", Date(2013, 1, 5), true, "Y1"},
      {"Y2 CM CD", Date(2005, 9, 8), true, "05 9 8"},
      {"LM", Date(2012, 5, 21), true, "闰四月"},
      {"LD", Date(2013, 2, 10), true, "初一"},
      {"ly Ly lY LZ", Date(2023, 5, 1), true, "ly Ly lY 兔"},
      {"\xE3\x80\x80LD\xE3\x80\x80", Date(2013, 2, 10), true, "\xE3\x80\x80初一\xE3\x80\x80"},
      {"CW,LT;LF\\", Date(2019, 2, 4), true, "一,立春;除夕\\"},
      // The almanac's tokens: term time, phase and time, 三伏/数九, day and month 干支.
      {"LT LH|LP|LS|GD|GM", Date(2026, 2, 4), true, "立春 04:02||六九第1天|己酉|庚寅"},
      {"LP LS", Date(2026, 3, 3), true, "满月 19:38 九九第1天"},
      {"LS GD", Date(2026, 7, 25), true, "中伏第1天 庚子"},
      {"LHLPLS", Date(2026, 4, 1), true, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand(c.templ, c.date, c.collapse), c.result) << c.templ;
  }
}

TEST(TemplateEngineTest, WhiteSpaceIsExactlySevenCharacters) {
  struct Case {
    std::string_view name, character;
    bool whiteSpace;
  };
  const Case cases[] = {
      {"tab", "\t", true},          {"line feed", "\n", true},      {"form feed", "\f", true},
      {"carriage return", "\r", true}, {"blank", " ", true},        {"next line", "\xC2\x85", true},
      {"no-break space", "\xC2\xA0", true}, {"vertical tab", "\v", false},
      {"ideographic space", "\xE3\x80\x80", false}, {"en space", "\xE2\x80\x82", false},
      {"line separator", "\xE2\x80\xA8", false},    {"file separator", "\x1C", false},
  };
  for (const auto& c : cases) {
    const std::string inside = std::string("a").append(c.character).append(c.character).append("b");
    EXPECT_EQ(Expand(inside, Date(2013, 1, 1)), c.whiteSpace ? "a b" : inside) << c.name;
    EXPECT_EQ(Expand(inside, Date(2013, 1, 1), false), inside) << c.name;
  }
  // At the ends: collapsed to a blank, then trimmed away.
  EXPECT_EQ(Expand("\xC2\xA0x\xC2\xA0", Date(2013, 1, 1)), "x");
  EXPECT_EQ(Expand("\xC2\xA0x\xC2\xA0", Date(2013, 1, 1), false), "\xC2\xA0x\xC2\xA0");
  EXPECT_EQ(Expand("x\v", Date(2013, 1, 1)), "x");  // trimmed (below U+0021), not collapsed
  EXPECT_EQ(CollapseWhiteSpace("a\v\t b"), "a\v b");
}

TEST(TemplateEngineTest, MonthNamingIsTheOnlyOptionThatReachesTemplates) {
  EXPECT_EQ(Expand("LD LT", Date(2013, 12, 22)), "二十 冬至");
  EXPECT_EQ(Expand("LM", Date(2033, 12, 22), true, MonthNaming::Numbered), "闰十一月");
  EXPECT_EQ(Expand("LM", Date(2033, 12, 22)), "闰冬月");
}

TEST(TemplateEngineTest, DatesOutsideTheEngineKeepTheGregorianTokens) {
  EXPECT_EQ(Expand(DefaultTemplate, Date(1900, 12, 25)), "年【】 1900年 00/12/25 周二 圣诞节");
  EXPECT_EQ(Expand("LY LM Y1", Date(2101, 3, 1)), "2101");
}

TEST(TemplateEngineTest, MalformedUtf8BecomesReplacementCharacters) {
  const std::string result = Expand("LD\xFF\xC0\x80 \xED\xA0\x80", Date(2013, 2, 10));
  EXPECT_TRUE(IsValidUtf8(result));
  EXPECT_EQ(result, "初一\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TemplateEngineTest, LongTemplate) {
  const std::string day = Expand("LD", Date(2013, 12, 25));
  const std::string festival = Expand("CF", Date(2013, 12, 25));
  std::string templ, expected;
  for (int i = 0; i < 10000; ++i) {
    templ += "LD  CF\t";
    expected += day + " " + festival + " ";
  }
  expected.pop_back();
  EXPECT_EQ(Expand(templ, Date(2013, 12, 25)), expected);
}

}  // namespace
}  // namespace tessarine
