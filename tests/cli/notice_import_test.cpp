// tessarine-cli holidays --import with texts that lose days: days that do
// not add up are refused unless the user accepts them, a text cut inside
// its last item or inside a character is refused as cut short, and Big5 is
// read.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/cli_run.h"
#include "support/config_folder.h"
#include "support/notices.h"
#include "support/temp_folder.h"

namespace tessarine::cli {
namespace {

using tessarine::testing::Cli;
using tessarine::testing::ReadFile;
using tessarine::testing::TempFolder;

using testing::Notice;

std::string InBig5(const std::string& utf8) {
  iconv_t converter = ::iconv_open("BIG5", "UTF-8");
  std::string out(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size(), outLeft = out.size();
  char* to = out.data();
  EXPECT_NE(::iconv(converter, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1));
  ::iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

// Each test gets a configuration folder of its own for holidays.csv.
class NoticeImportTest : public tessarine::testing::ConfigFolderTest {
 protected:
  std::string Write(const std::string& bytes) {
    const std::string path = folder.File("notice.txt");
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  TempFolder folder;
};

// 2027's notice with its 春节 block short of its make-up workday: refused,
// naming the block and its figures, nothing stored; stored as it is once
// the user accepts it, with the block as a warning.
TEST_F(NoticeImportTest, DaysThatDoNotAddUpAreStoredOnlyWhenAccepted) {
  const std::string notice = Write(
      "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦和春节放假安排通知如下。\n"
      "一、元旦：1月1日放假，与周末连休。\n二、春节：2月6日至12日放假调休，共7天。\n");
  const std::string figures = "春节: 5 weekdays off, where its 4 statutory days and 0 make-up workdays give 4";
  const auto refused = Cli({"holidays", "--import", notice});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("not a readable notice: the days do not add up in " + figures + "\n"), std::string::npos)
      << refused.err;
  EXPECT_NE(refused.err.find("--accept-unbalanced stores it as it is"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(List()));

  const auto dry = Cli({"holidays", "--import", notice, "--dry-run"});  // shows the days, and refuses them
  EXPECT_EQ(dry.status, 2);
  EXPECT_TRUE(dry.out.starts_with("2027-01-01\t休\t元旦\n2027-02-06\t休\t春节\n")) << dry.out;

  const auto accepted = Cli({"holidays", "--import", notice, "--accept-unbalanced"});
  ASSERT_EQ(accepted.status, 0) << accepted.err;
  EXPECT_NE(accepted.err.find("warning: the days do not add up in " + figures + "; kept as the text has them"),
            std::string::npos)
      << accepted.err;
  const std::string stored = ReadFile(List());
  EXPECT_NE(stored.find("\"2027\",\"2027-02-12\",\"休\",\"春节\""), std::string::npos) << stored;
  EXPECT_EQ(Cli({"holidays", "2027", "--accept-unbalanced"}).status, 2);  // only with --import
}

// The 2009 notice as one page gives it, cut after "照常公休；1", and a text
// cut inside its last character: refused as cut short, nothing stored.
TEST_F(NoticeImportTest, ATextCutShortIsRefused) {
  const std::string whole = Notice(2009);
  const std::string mark = "10月4日（星期日）照常公休；";
  const auto cut = Cli({"holidays", "--import", Write(whole.substr(0, whole.find(mark) + mark.size()) + "1")});
  EXPECT_EQ(cut.status, 2);
  EXPECT_NE(cut.err.find("not a readable notice: the text is cut short: its last item stops inside a sentence: "
                         "国庆节、中秋节: 其中,"),
            std::string::npos)
      << cut.err;
  const std::string sevenLines = Notice(2012);
  const auto inCharacter = Cli({"holidays", "--import", Write(sevenLines.substr(0, sevenLines.size() - 2))});
  EXPECT_EQ(inCharacter.status, 2);
  EXPECT_EQ(inCharacter.err,
            "tessarine-cli holidays: the notice ends inside a UTF-8 character, on line 7: it may be cut short\n");
  EXPECT_FALSE(std::filesystem::exists(List()));
}

// A notice saved from a page in Big5 reads as the same notice in UTF-8.
TEST_F(NoticeImportTest, ABig5NoticeReads) {
  const auto utf8 = Cli({"holidays", "--import", Write(Notice(2026)), "--dry-run"});
  ASSERT_EQ(utf8.status, 0) << utf8.err;
  const auto big5 = Cli({"holidays", "--import", Write(InBig5(Notice(2026))), "--dry-run"});
  ASSERT_EQ(big5.status, 0) << big5.err;
  EXPECT_EQ(big5.out, utf8.out);
  EXPECT_EQ(std::count(big5.out.begin(), big5.out.end(), '\n'), 39);
}

}  // namespace
}  // namespace tessarine::cli
