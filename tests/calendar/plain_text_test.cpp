#include "calendar/plain_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tessarine {
namespace {

using namespace std::string_view_literals;

// Each reader's own white space: a list's padding (blank, tab), a notice's
// lines (and their ends), a title's U+0000..U+0020; never U+3000 or U+00A0.
TEST(PlainTextTest, TrimTakesOnlyTheCharactersNamed) {
  const std::string_view padding = " \t", lineSpace = " \t\r\n", controls = "\0\x01\x0B\x1F "sv;
  struct Case {
    std::string_view name, text, characters, trimmed;
  };
  const Case cases[] = {
      {"padding around a field", " \t三月初八\t ", padding, "三月初八"},
      {"padding keeps a line end", "\r三月初八\n", padding, "\r三月初八\n"},
      {"padding keeps a full-width space", "　三月初八 ", padding, "　三月初八"},
      {"padding inside stays", " a b ", padding, "a b"},
      {"a notice line", "\r\n\t一、元旦:1月1日 \r", lineSpace, "一、元旦:1月1日"},
      {"a notice line keeps a form feed", "\f国务院\f", lineSpace, "\f国务院\f"},
      {"a title's control characters", "\0\x0B 春节\x1F"sv, controls, "春节"},
      {"a title keeps U+00A0", "\xC2\xA0春节", controls, "\xC2\xA0春节"},
      {"nothing but white space", " \t \t", padding, ""},
      {"empty", "", padding, ""},
      {"nothing named", " a ", "", " a "},
  };
  for (const Case& c : cases) EXPECT_EQ(Trim(c.text, c.characters), c.trimmed) << c.name;
}

// A settings line: its end loses blanks and a CR, its start blanks only.
TEST(PlainTextTest, EachEndTrimmedAlone) {
  struct Case {
    std::string_view text, start, end;
  };
  const Case cases[] = {
      {"  year=2025 \r", "year=2025 \r", "  year=2025"},
      {"\r year=2025", "\r year=2025", "\r year=2025"},
      {" \r \r", "\r \r", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrimStart(c.text, " "), c.start) << c.text;
    EXPECT_EQ(TrimEnd(c.text, " \r"), c.end) << c.text;
  }
}

TEST(PlainTextTest, AsciiDigitsAreZeroToNineAlone) {
  struct Case {
    std::string_view text;
    bool digits;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"0042", true, 42},
      {"2147483647", true, 2147483647},
      {"2147483648", true, std::nullopt},  // digits, but no int holds them
      {"", false, std::nullopt},
      {"-1", false, std::nullopt},
      {"+1", false, std::nullopt},
      {" 1", false, std::nullopt},
      {"1 ", false, std::nullopt},
      {"12a", false, std::nullopt},
      {"１２", false, std::nullopt},    // full-width digits are folded first, by the reader that reads them
      {"\xD9\xA3", false, std::nullopt},  // ٣, an Arabic-Indic three
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AllAsciiDigits(c.text), c.digits) << c.text;
    EXPECT_EQ(DigitsValue(c.text), c.value) << c.text;
  }
  EXPECT_FALSE(IsAsciiDigit('/'));
  EXPECT_FALSE(IsAsciiDigit(':'));
  EXPECT_FALSE(IsAsciiDigit('\xEF'));
}

TEST(PlainTextTest, ReplaceAllInOnePass) {
  struct Case {
    std::string_view name, text, from, to, replaced;
  };
  const Case cases[] = {
      {"every one", "LMLD LM", "LM", "正月", "正月LD 正月"},
      {"none", "LD", "LM", "正月", "LD"},
      {"not overlapping", "aaa", "aa", "b", "ba"},
      {"what is put in is not searched", "一月", "一月", "十一月", "十一月"},
      {"nor what it makes", "aab", "ab", "b", "ab"},
      {"removed", "农历三月", "农历", "", "三月"},
      {"an empty pattern changes nothing", "abc", "", "x", "abc"},
      {"empty text", "", "a", "b", ""},
  };
  for (const Case& c : cases) {
    std::string text(c.text);
    ReplaceAll(text, c.from, c.to);
    EXPECT_EQ(text, c.replaced) << c.name;
  }
}

TEST(PlainTextTest, EveryFullWidthFormStandsForItsAsciiCharacter) {
  const std::string_view fullWidth =
      "！＂＃＄％＆＇（）＊＋，－．／０１２３４５６７８９：；＜＝＞？＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ［＼］＾＿"
      "｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～";
  const std::string_view ascii = "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
  ASSERT_EQ(fullWidth.size(), ascii.size() * kFullWidthLength);
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    EXPECT_EQ(FullWidthAsciiAt(fullWidth.substr(i * kFullWidthLength)), ascii.substr(i, 1)) << ascii[i];
  }
  EXPECT_EQ(FullWidthAsciiAt("　年"), " ");
}

TEST(PlainTextTest, OtherCharactersAreNoFullWidthForm) {
  const std::string_view others[] = {
      "",         "0",  "、", "。", "〜",
      "\xEF\xBC\x80",  // U+FF00, unassigned, just before ！
      "\xEF\xBD\x9F",  // ｟ U+FF5F, just after ～
      "\xEF\xBD\xA4",  // ､ the half-width ideographic comma
      "\xEF\xBC",      // ０ cut short
      "\xE3\x80\x81",  // 、 beside the ideographic space
  };
  for (const std::string_view text : others) EXPECT_TRUE(FullWidthAsciiAt(text).empty()) << text;
}

// A date reads full-width digits and separators; a notice its punctuation
// and spaces too. Each keeps the full-width forms it does not read.
TEST(PlainTextTest, FoldFullWidthFoldsOnlyTheCharactersNamed) {
  const std::string_view date = "0123456789-/", notice = "0123456789:,;(). ";
  struct Case {
    std::string_view text, ascii, folded;
  };
  const Case cases[] = {
      {"１９６０／４／３", date, "1960/4/3"},
      {"闰４－１５", date, "闰4-15"},
      {"３：８", date, "3：8"},
      {"Ｌ４－１５", date, "Ｌ4-15"},
      {"１月１日（周三）：放假　１天。", notice, "1月1日(周三):放假 1天。"},
      {"２月６日－１２日", notice, "2月6日－12日"},
      {"\xEF\xEF\xBC\x90", date, "\xEF" "0"},  // a stray lead byte before ０
      {"\xEF\xBC", date, "\xEF\xBC"},
      {"", date, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FoldFullWidth(c.text, c.ascii), c.folded) << c.text;
}

}  // namespace
}  // namespace tessarine
