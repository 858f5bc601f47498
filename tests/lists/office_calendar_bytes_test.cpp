// A 辦公日曆表 CSV's bytes as downloaded: UTF-8 with or without its
// byte-order mark, or Big5 as the DGPA saves some years; bytes cut inside a
// character told from bytes in no encoding.
#include "lists/office_calendar_bytes.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include "holidays/taiwan/taiwan_schedule.h"
#include "support/office_calendar_csv.h"

namespace tessarine {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// `utf8` in `encoding`, by glibc's iconv; the test fails when it cannot be.
std::string Encoded(std::string_view utf8, const char* encoding) {
  iconv_t converter = ::iconv_open(encoding, "UTF-8");
  EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << encoding;
  std::string out(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size(), outLeft = out.size();
  char* to = out.data();
  EXPECT_NE(::iconv(converter, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1)) << encoding;
  ::iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

// The year's file in UTF-8 without the byte-order mark.
std::string Utf8Csv(int year) {
  return testing::OfficeCalendarCsv(*PublishedTaiwanSchedule(year)).substr(kByteOrderMark.size());
}

TEST(OfficeCalendarBytesTest, EachEncodingReadsAsTheTable) {
  for (const int year : {2018, 2025, 2026}) {
    const std::string text = Utf8Csv(year);
    const struct {
      std::string bytes;
      OfficeCalendarEncoding encoding;
    } files[] = {
        {std::string(kByteOrderMark) + text, OfficeCalendarEncoding::Utf8WithByteOrderMark},
        {text, OfficeCalendarEncoding::Utf8},
        {Encoded(text, "CP950"), OfficeCalendarEncoding::Big5},
        {Encoded(text, "BIG5"), OfficeCalendarEncoding::Big5},
    };
    for (const auto& file : files) {
      const auto decoded = DecodeOfficeCalendarBytes(file.bytes);
      ASSERT_TRUE(decoded.has_value()) << year;
      EXPECT_EQ(decoded->encoding, file.encoding) << year;
      EXPECT_EQ(decoded->text, text) << year;
      const auto read = ReadOfficeCalendarBytes(file.bytes);
      ASSERT_TRUE(read.has_value()) << year;
      EXPECT_EQ(read->schedule, *PublishedTaiwanSchedule(year)) << year;
    }
  }
}

// A Big5 sample written byte by byte: the header and 20250127,一,2,小年夜.
TEST(OfficeCalendarBytesTest, Big5BytesAsPublished) {
  const std::string bytes =
      "\xA6\xE8\xA4\xB8\xA4\xE9\xB4\xC1,\xAC\x50\xB4\xC1,\xAC\x4F\xA7\x5F\xA9\xF1\xB0\xB2,\xB3\xC6\xB5\xF9\r\n"
      "20250127,\xA4\x40,2,\xA4\x70\xA6\x7E\xA9\x5D\r\n";
  const auto read = ReadOfficeCalendarBytes(bytes);
  ASSERT_TRUE(read.has_value());
  const auto& days = read->schedule.days;
  ASSERT_EQ(days.size(), 1u);
  EXPECT_EQ(days.front().name, "小年夜");
}

TEST(OfficeCalendarBytesTest, CutAndForeignBytesRefused) {
  const std::string text = Utf8Csv(2026);
  // Cut inside the 日 of 20261225,五,2,行憲紀念日 (line 360), two of its
  // three bytes kept.
  const std::size_t insideDay = text.find("行憲紀念日") + std::string_view("行憲紀念").size() + 2;
  const std::string withNextYear = text + "20270101,五,2,開國紀念日";
  const struct {
    std::string bytes;
    OfficeCalendarProblem problem;
    int line;
  } cases[] = {
      {std::string(kByteOrderMark) + text.substr(0, insideDay), OfficeCalendarProblem::CutShort, 360},
      {text.substr(0, insideDay), OfficeCalendarProblem::CutShort, 360},
      // Big5 cut after the first byte of a character of the last line.
      {Encoded(text.substr(0, text.size() - 2), "CP950") + "\xA4", OfficeCalendarProblem::CutShort, 366},
      // Cut at the end of a row: the reader finds its line end missing.
      {Encoded(withNextYear, "CP950"), OfficeCalendarProblem::CutShort, 367},
      {withNextYear + "\r\n", OfficeCalendarProblem::OtherYear, 367},
      {"\xFF\xFE" + Encoded(text, "UTF-16LE"), OfficeCalendarProblem::NotText, 0},
      {std::string("\x00\xFF\xFF\x80", 4), OfficeCalendarProblem::NotText, 0},
      {std::string(kByteOrderMark) + Encoded(text, "CP950"), OfficeCalendarProblem::NotText, 0},
      // Saved in a mainland encoding: no Big5 reads it.
      {Encoded(text, "GB18030"), OfficeCalendarProblem::NotText, 0},
  };
  for (const auto& c : cases) {
    const auto read = ReadOfficeCalendarBytes(c.bytes);
    ASSERT_FALSE(read.has_value()) << c.line;
    EXPECT_EQ(read.error().problem, c.problem) << c.line;
    EXPECT_EQ(read.error().line, c.line) << c.line;
  }
}

}  // namespace
}  // namespace tessarine
