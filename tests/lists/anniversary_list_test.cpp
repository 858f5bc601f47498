#include "lists/anniversary_list.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(AnniversaryListTest, RowsAsASpreadsheetSavesThem) {
  const std::string text =
      "\xEF\xBB\xBF# family\r\n"
      "妈妈生日,三月初八,1960\r\n"
      "\r\n"
      "\"Wang, Li\",闰四月十五\r\n"
      "   \r\n"
      "\"say \"\"hi\"\"\",3-8,\r\n"
      "last,1-1";
  const auto rows = ReadCsvRows(text);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].line, 2);
  EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"妈妈生日", "三月初八", "1960"}));
  EXPECT_EQ(rows[1].line, 4);
  EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"Wang, Li", "闰四月十五"}));
  EXPECT_EQ(rows[2].line, 6);
  EXPECT_EQ(rows[2].fields, (std::vector<std::string>{"say \"hi\"", "3-8", ""}));
  EXPECT_EQ(rows[3].line, 7);
}

TEST(AnniversaryListTest, BadRowsAreReportedWithTheirLines) {
  const auto list = ReadAnniversaryList("a,3-8\n# comment\nb,十三月初一\nc,四月四十,1,2\n,3-8\nd,1-1,x\n");
  ASSERT_EQ(list.entries.size(), 1u);
  ASSERT_EQ(list.errors.size(), 4u);
  const std::pair<int, EntryProblem> expected[] = {{3, EntryProblem::UnknownMonth},
                                                   {4, EntryProblem::TooManyFields},
                                                   {5, EntryProblem::MissingName},
                                                   {6, EntryProblem::BadFirstYear}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(list.errors[i].line, expected[i].first);
    EXPECT_EQ(list.errors[i].error.problem, expected[i].second) << i;
  }
}

TEST(AnniversaryListTest, WrittenRowsReadBackTheSame) {
  const std::vector<std::vector<std::string>> rows = {
      {"妈妈生日", "三月初八", "1960"}, {"Wang, Li", "闰四月十五", ""}, {"say \"hi\"", "3-8", ""}};
  const std::string text = WriteCsv(rows);
  EXPECT_TRUE(text.starts_with("\"妈妈生日\",\"三月初八\",\"1960\"\r\n"));
  const auto read = ReadCsvRows(text);
  ASSERT_EQ(read.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(read[i].fields, rows[i]);
}

}  // namespace
}  // namespace tessarine
