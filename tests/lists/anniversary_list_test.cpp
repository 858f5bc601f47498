#include "lists/anniversary_list.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

// A list kept by hand: a byte-order mark, a header, comments, blank lines, a
// name over two lines whose second line starts with #, an extra column,
// every kind of line end, and no line end at the very end.
const std::string kHandKept =
    "\xEF\xBB\xBF名称,日期,起始年\r\n"
    "# family\r\n"
    "妈妈生日,三月初八,1960,,note\r\n"
    "\r\n"
    "\"Wang,\n# Li\",闰四月十五\n"
    "   \r"
    "\"say \"\"hi\"\"\",3-8,\r\n"
    "last,1-1";

LoadedList Load(std::string_view bytes) {
  auto loaded = LoadList(bytes);
  EXPECT_TRUE(loaded.has_value());
  return std::move(loaded).value();
}

TEST(AnniversaryListTest, AHandKeptListReadsAndSavesByteForByte) {
  const LoadedList list = Load(kHandKept);
  EXPECT_EQ(SavedListBytes(list), kHandKept);
  const CsvDocument& document = list.document;
  std::vector<std::pair<int, std::vector<std::string>>> rows;
  for (const std::size_t record : EntryRecords(document)) {
    rows.emplace_back(document.records[record].line, document.records[record].fields);
  }
  const std::vector<std::pair<int, std::vector<std::string>>> expected = {
      {3, {"妈妈生日", "三月初八", "1960", "", "note"}},
      {5, {"Wang,\n# Li", "闰四月十五"}},
      {8, {"say \"hi\"", "3-8", ""}},
      {9, {"last", "1-1"}},
  };
  EXPECT_EQ(rows, expected);
  const AnniversaryList read = ReadAnniversaryList(document);
  EXPECT_EQ(read.entries.size(), 4u);  // the extra column is skipped, and stays in the file
  EXPECT_TRUE(read.errors.empty());
}

// Editing, adding and removing change those rows and nothing else.
TEST(AnniversaryListTest, EditsTouchOnlyTheirRows) {
  LoadedList list = Load(kHandKept);
  const std::vector<std::size_t> rows = EntryRecords(list.document);
  SetLeadingFields(list.document, rows[2], {"爸爸生日", "腊月廿三", ""});
  std::string expected = kHandKept;
  expected.replace(expected.find("\"say"), std::string("\"say \"\"hi\"\"\",3-8,\r\n").size(),
                   "\"爸爸生日\",\"腊月廿三\",\"\"\r\n");
  EXPECT_EQ(SavedListBytes(list), expected);

  SetLeadingFields(list.document, rows[0], {"妈妈", "三月初八", "1960"});  // the extra column stays
  EXPECT_NE(SavedListBytes(list).find("\"妈妈\",\"三月初八\",\"1960\",\"\",\"note\"\r\n"), std::string::npos);

  const std::size_t added = AppendRow(list.document);
  const std::string withEmptyRow = SavedListBytes(list);
  EXPECT_TRUE(withEmptyRow.ends_with("last,1-1"));  // an empty new row is not written
  SetLeadingFields(list.document, added, {"新", "1-2", ""});
  EXPECT_TRUE(SavedListBytes(list).ends_with("last,1-1\r\n\"新\",\"1-2\",\"\"\r\n"));

  list.document.records.erase(list.document.records.begin() + static_cast<std::ptrdiff_t>(rows[3]));
  EXPECT_EQ(SavedListBytes(list).find("last,1-1"), std::string::npos);
  EXPECT_TRUE(SavedListBytes(list).starts_with("\xEF\xBB\xBF名称,日期,起始年\r\n# family\r\n"));
}

TEST(AnniversaryListTest, FilesThatAreNotListsAreRefusedWithTheirLine) {
  const std::string gbkMother = "\xC2\xE8\xC2\xE8";  // 妈妈 in GBK
  struct Case {
    std::string bytes;
    ListProblem::Kind kind;
    int line;
  };
  const Case cases[] = {
      {"a,1-1\r\n\"b,2-2\r\nc,3-3\r\n", ListProblem::Kind::UnclosedQuote, 2},
      {"a,1-1\rb,2-2\r\"c", ListProblem::Kind::UnclosedQuote, 3},
      {"a,1-1\n" + gbkMother + "\xFF,1-1\n", ListProblem::Kind::NotText, 2},
      {"\xEF\xBB\xBF" "a,1-1\n" + gbkMother + ",1-1\n", ListProblem::Kind::NotText, 2},
      // A UTF-8 row among GBK rows: no one encoding reads both.
      {gbkMother + ",1-1\r\n妈妈,1-2\r\n", ListProblem::Kind::MixedEncodings, 1},
  };
  for (const auto& c : cases) {
    auto loaded = LoadList(c.bytes);
    ASSERT_FALSE(loaded.has_value()) << c.bytes;
    EXPECT_EQ(loaded.error().kind, c.kind) << c.bytes;
    EXPECT_EQ(loaded.error().line, c.line) << c.bytes;
  }
  EXPECT_EQ(LoadList(gbkMother + ",1-1\r\n妈妈,1-2\r\n").error().utf8Line, 2);
}

std::string Repeated(std::string_view unit, std::size_t times) {
  std::string text;
  text.reserve(unit.size() * times);
  for (std::size_t i = 0; i < times; ++i) text.append(unit);
  return text;
}

// Every record and field is held at some hundred bytes: a text of more of
// them than kMostCsvPieces is refused where it passes the limit, instead of
// taking a gigabyte for 10 MB of line ends.
TEST(AnniversaryListTest, MoreRowsAndFieldsThanAnyListHoldsAreRefused) {
  constexpr std::size_t kMost = kMostCsvPieces;
  constexpr int kPast = static_cast<int>(kMost) + 1;
  struct Case {
    const char* named;
    std::string bytes;
    int line;  // 0: read
  };
  const Case cases[] = {
      {"10 MB of line ends", std::string(std::size_t{10} << 20, '\n'), kPast},
      {"10 MB of CR LF", Repeated("\r\n", std::size_t{5} << 20), kPast},
      {"comments", Repeated("#\n", kMost + 1), kPast},
      {"rows of one field", Repeated("a\n", kMost), static_cast<int>(kMost / 2) + 1},
      {"one line of commas", std::string(std::size_t{10} << 20, ','), 1},
      {"commas after a row", std::string("a,1-1\n").append(kMost, ','), 2},
      {"rows of one field up to the limit", Repeated("a\n", kMost / 2), 0},
      {"blank lines up to the limit", std::string(kMost, '\n'), 0},
      {"ten thousand entries", Repeated("妈妈生日,三月初八,1960,china,备注\r\n", 10000), 0},
  };
  for (const auto& c : cases) {
    auto loaded = LoadList(c.bytes);
    if (c.line == 0) {
      EXPECT_TRUE(loaded.has_value()) << c.named;
      continue;
    }
    ASSERT_FALSE(loaded.has_value()) << c.named;
    EXPECT_EQ(loaded.error().kind, ListProblem::Kind::TooManyPieces) << c.named;
    EXPECT_EQ(loaded.error().line, c.line) << c.named;
  }
}

TEST(AnniversaryListTest, EncodingsAndLineEnds) {
  // 妈妈生日,三月初八 as Excel saves it on a Chinese system: GBK.
  const LoadedList gbk = Load("\xC2\xE8\xC2\xE8\xC9\xFA\xC8\xD5,\xC8\xFD\xD4\xC2\xB3\xF5\xB0\xCB\r\n");
  EXPECT_EQ(gbk.encoding, TextEncoding::Gb18030);
  const AnniversaryList read = ReadAnniversaryList(gbk.document);
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].name, "妈妈生日");
  EXPECT_EQ(SavedListBytes(gbk), "妈妈生日,三月初八\r\n");  // saved as UTF-8
  EXPECT_EQ(Load("\xEF\xBB\xBF" "a,1-1").encoding, TextEncoding::Utf8WithByteOrderMark);
  for (const std::string_view lineEnd : {"\n", "\r", "\r\n"}) {
    const std::string text = "a,1-1" + std::string(lineEnd) + std::string(lineEnd) + "b,x";
    const AnniversaryList list = ReadAnniversaryList(text).value();
    ASSERT_EQ(list.errors.size(), 1u);
    EXPECT_EQ(list.errors[0].line, 3) << "line end " << static_cast<int>(lineEnd.back());
    EXPECT_EQ(Load(text).document.lineEnd, lineEnd);
  }
}

}  // namespace
}  // namespace tessarine
