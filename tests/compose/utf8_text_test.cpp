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

// A cut steps back to the start of its character; in bytes that are not
// UTF-8 (a run of continuation bytes longer than any character's) it stays.
TEST(Utf8TextTest, CharacterStartOfAByte) {
  struct Case {
    std::string_view name, bytes;
    std::size_t at, start;
  };
  const Case cases[] = {
      {"ascii", "ab", 1, 1},
      {"first byte of 历", "农历", 3, 3},
      {"second byte of 农", "农历", 1, 0},
      {"last byte of 历", "农历", 5, 3},
      {"last byte of four", "\xF0\x9F\x98\x80x", 3, 0},
      {"a lead byte then one continuation", "a\x80", 1, 0},
      {"four continuation bytes", "a\x80\x80\x80\x80", 4, 4},
      {"continuation bytes from the start", "\x80\x80", 1, 1},
      {"at the start", "\x80", 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CharacterStart(c.bytes, c.at), c.start) << c.name;
}

}  // namespace
}  // namespace tessarine
