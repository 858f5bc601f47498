// A notice's bytes as text: Big5 read as Big5 though it is GB18030 too, and
// bytes that stop inside a character told apart as a text cut short.
#include "lists/notice_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <sstream>

#include "holidays/china/holiday_notice.h"
#include "support/notices.h"

namespace tessarine {
namespace {

using testing::Notice;

// `utf8` in `encoding`, by glibc's iconv; the test fails when it cannot be.
std::string Encoded(const std::string& utf8, const char* encoding) {
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

// The traditional notices as a page in Taiwan or Hong Kong saves them, in
// Big5 (or Microsoft's Big5, code page 950): read as the notice, not as the
// GB18030 characters the same bytes also are.
TEST(NoticeEncodingTest, Big5NoticesRead) {
  for (const int year : {2010, 2023, 2026}) {
    for (const char* encoding : {"BIG5", "CP950", "BIG5-HKSCS"}) {
      const std::string bytes = Encoded(Notice(year), encoding);
      const auto decoded = DecodeNoticeBytes(bytes);
      ASSERT_TRUE(decoded.has_value()) << year << " " << encoding;
      EXPECT_EQ(decoded.value().encoding, NoticeEncoding::Big5);
      EXPECT_EQ(decoded.value().text, Notice(year));
      const auto parsed = ParseHolidayNotice(decoded.value().text);
      ASSERT_TRUE(parsed.has_value()) << year;
      EXPECT_EQ(parsed.value().schedule, *BuiltInHolidaySchedule(year)) << year;
    }
  }
  // A traditional text in Big5 using the words the three do not: 補休,
  // 與週末連休, a day written 號.
  const std::string items =
      "國務院辦公廳關於2014年部分節假日安排的通知\n一、元旦：1月1日放假1天。\n"
      "二、春節：1月31日至2月6日放假調休，共7天。1月26日（星期日）、2月8日（星期六）上班。\n"
      "三、清明節：4月5號放假，4月7日（星期一）補休。\n四、勞動節：5月1日至3日放假調休，共3天。5月4日（星期日）上班。\n"
      "五、端午節：6月2日放假，與週末連休。\n六、中秋節：9月8日放假，與週末連休。\n"
      "七、國慶節：10月1日至7日放假調休，共7天。9月28日（星期日）、10月11日（星期六）上班。\n";
  const auto decoded = DecodeNoticeBytes(Encoded(items, "BIG5"));
  ASSERT_TRUE(decoded.has_value());
  const auto parsed = ParseHolidayNotice(decoded.value().text);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed.value().schedule, *BuiltInHolidaySchedule(2014));
}

// GBK stays GBK, though its bytes may be Big5 too; UTF-8 and UTF-16 are read
// as before.
TEST(NoticeEncodingTest, OtherEncodingsStayAsTheyWere) {
  const std::string notice = Notice(2025);
  for (const auto& [encoding, expected] : {std::pair{"GB18030", NoticeEncoding::Gb18030},
                                           std::pair{"GBK", NoticeEncoding::Gb18030},
                                           std::pair{"UTF-8", NoticeEncoding::Utf8}}) {
    const auto decoded = DecodeNoticeBytes(Encoded(notice, encoding));
    ASSERT_TRUE(decoded.has_value()) << encoding;
    EXPECT_EQ(decoded.value().encoding, expected) << encoding;
    EXPECT_EQ(decoded.value().text, notice) << encoding;
  }
  const auto utf16 = DecodeNoticeBytes("\xFF\xFE" + Encoded(notice, "UTF-16LE"));
  ASSERT_TRUE(utf16.has_value());
  EXPECT_EQ(utf16.value().text, notice);
  // Three characters of GBK, no date in either reading: GB18030, as before.
  EXPECT_EQ(DecodeNoticeBytes("\xB9\xFA\xCE\xF1\xD4\xBA").value().encoding, NoticeEncoding::Gb18030);
}

// A text cut inside its last character, in each encoding, is told apart
// from one in no encoding or in two: it ends inside a character, on the
// line it stops on.
TEST(NoticeEncodingTest, ACutInsideACharacterIsNamed) {
  const std::string notice = Notice(2023);  // seven lines, the last ending 上班。\n
  const std::string upToTheLast = notice.substr(0, notice.rfind("。\n"));
  const struct {
    const char* encoding;
    std::string last;  // the last character, cut
    std::size_t drop;  // of its bytes
    NoticeEncoding before;
  } cuts[] = {
      {"UTF-8", "。", 1, NoticeEncoding::Utf8},           {"UTF-8", "。", 2, NoticeEncoding::Utf8},
      {"GB18030", "。", 1, NoticeEncoding::Gb18030},      {"BIG5", "。", 1, NoticeEncoding::Big5},
      {"UTF-16LE", "。", 1, NoticeEncoding::Utf16},       {"UTF-16BE", "。", 1, NoticeEncoding::Utf16},
      {"UTF-16LE", "\U0002000B", 2, NoticeEncoding::Utf16},  // a surrogate pair's first half alone
      {"UTF-16LE", "\U0002000B", 3, NoticeEncoding::Utf16},
  };
  for (const auto& cut : cuts) {
    std::string bytes = Encoded(upToTheLast + cut.last, cut.encoding);
    if (std::string(cut.encoding) == "UTF-16LE") bytes = "\xFF\xFE" + bytes;
    if (std::string(cut.encoding) == "UTF-16BE") bytes = "\xFE\xFF" + bytes;
    bytes.resize(bytes.size() - cut.drop);
    const auto decoded = DecodeNoticeBytes(bytes);
    ASSERT_FALSE(decoded.has_value()) << cut.encoding << " " << cut.drop;
    EXPECT_EQ(decoded.error().kind, NoticeTextProblem::Kind::EndsInsideCharacter) << cut.encoding << " " << cut.drop;
    EXPECT_EQ(decoded.error().line, 7) << cut.encoding;
    EXPECT_EQ(decoded.error().encoding, cut.before) << cut.encoding;
  }
  // A whole UTF-16 unit that is no character is not a cut.
  const std::string lowHalf("\x00\xDC", 2);
  const std::string lowHalfAlone = "\xFF\xFE" + Encoded(upToTheLast, "UTF-16LE") + lowHalf;
  using Kind = NoticeTextProblem::Kind;
  const auto kindOf = [](std::string_view bytes) {
    const auto decoded = DecodeNoticeBytes(bytes);
    return decoded ? std::nullopt : std::optional(decoded.error().kind);
  };
  EXPECT_EQ(kindOf(lowHalfAlone), Kind::NotText);
  // Bytes in no encoding, and two encodings in one text, are still named so.
  const auto mixed = DecodeNoticeBytes("国务院\n\xB9\xFA\xCE\xF1\n");
  ASSERT_FALSE(mixed.has_value());
  EXPECT_EQ(mixed.error().kind, Kind::MixedEncodings);
  EXPECT_EQ(mixed.error().utf8Line, 1);
  EXPECT_EQ(mixed.error().line, 2);
  EXPECT_EQ(kindOf("\xFF\xFF\xFF\xFF\n"), Kind::NotText);
}

}  // namespace
}  // namespace tessarine
