#include "export/ical_text.h"

#include <gtest/gtest.h>

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

TEST(IcalTextTest, Stamps) {
  using namespace std::chrono;
  EXPECT_EQ(FileTimeStamp(local_days{2013y / 1 / 6} + 14h + 25min + 30s), "130106-142530");
  EXPECT_EQ(FileTimeStamp(local_days{2000y / 12 / 31} + 23h + 59min + 59s), "001231-235959");
}

}  // namespace
}  // namespace tessarine
