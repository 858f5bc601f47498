#include "export/ical_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarine {
namespace {

TEST(IcalTextTest, EscapeText) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"农历", "农历"},
      {"a,b", "a\\,b"},
      {"a;b", "a\\;b"},
      {"a\\b", "a\\\\b"},
      {"a\r\nb", "a\\nb"},
      {"a\n\nb", "a\\n\\nb"},
      {"a\rb", "a\\nb"},
      {"a\xC2\x85" "b", "a\\nb"},
      {"a\xE2\x80\xA8" "b\xE2\x80\xA9", "a\\nb\\n"},
      {"a:b\"c\td", "a:b\"c\td"},
      {"\xC2\xA0", "\xC2\xA0"},
      {"a\x1b[0mb", "a[0mb"},
      {"\x01\x1f\x7f", ""},
      {"a\xC2\x80\xC2\x9F\xC2\xA0", "a\xC2\xA0"},
      {"tab\tstays", "tab\tstays"},
  };
  for (const auto& [title, escaped] : cases) EXPECT_EQ(EscapeText(title), escaped) << title;
  EXPECT_EQ(EscapeText(std::string_view("a\0b", 3)), "ab");
}

// Long lines fold at 75 octets into lines that begin with a space, never
// inside a UTF-8 character; unfolding gives the line back.
TEST(IcalTextTest, LongLinesFold) {
  std::string chinese = "SUMMARY:";  // then 25 characters of three octets: 75 falls inside the 23rd
  for (int i = 0; i < 12; ++i) chinese += "农历";
  chinese += "年";
  const std::pair<std::string, std::vector<std::size_t>> cases[] = {
      {std::string(75, 'a'), {75}},
      {std::string(76, 'a'), {75, 2}},
      {std::string(75 + 74, 'a'), {75, 75}},
      {std::string(75 + 75, 'a'), {75, 75, 2}},
      {chinese, {74, 10}},                         // 75 would cut a character
      {std::string(74, 'a') + "中文", {74, 7}},    // a three-byte character at the cut moves whole
      {std::string(80, '\x80'), {75, 6}},        // not UTF-8: cut where the octets run out
  };
  for (const auto& [line, octets] : cases) {
    std::string out;
    AppendContentLine(out, line);
    std::vector<std::size_t> lengths;
    std::string unfolded;
    for (std::size_t start = 0; start < out.size();) {
      const std::size_t end = out.find("\r\n", start);
      ASSERT_NE(end, std::string::npos);
      lengths.push_back(end - start);
      unfolded += out.substr(start == 0 ? 0 : start + 1, end - start - (start == 0 ? 0 : 1));
      start = end + 2;
    }
    EXPECT_EQ(lengths, octets) << line;
    EXPECT_EQ(unfolded, line);
  }
}

TEST(IcalTextTest, Stamps) {
  using namespace std::chrono;
  EXPECT_EQ(FileTimeStamp(local_days{2013y / 1 / 6} + 14h + 25min + 30s), "130106-142530");
  EXPECT_EQ(FileTimeStamp(local_days{2000y / 12 / 31} + 23h + 59min + 59s), "001231-235959");
}

}  // namespace
}  // namespace tessarine
