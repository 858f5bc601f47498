#include "compose/utf8_text.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(Utf8TextTest, WellFormedAndMalformedSequences) {
  struct Case {
    std::string_view name, bytes;
    bool valid;
  };
  const Case cases[] = {
      {"ascii", "abc", true},
      {"chinese", "农历", true},
      {"four bytes", "\xF0\x9F\x98\x80", true},
      {"highest code point", "\xF4\x8F\xBF\xBF", true},
      {"lone continuation", "\x80", false},
      {"overlong slash", "\xC0\xAF", false},
      {"overlong three bytes", "\xE0\x80\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"above U+10FFFF", "\xF4\x90\x80\x80", false},
      {"truncated", "\xE5\x86", false},
      {"invalid lead", "\xFF", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.name;
    EXPECT_TRUE(IsValidUtf8(ToValidUtf8(c.bytes))) << c.name;
    if (c.valid) {
      EXPECT_EQ(ToValidUtf8(c.bytes), c.bytes) << c.name;
    }
  }
  EXPECT_EQ(ToValidUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
}

}  // namespace
}  // namespace tessarine
