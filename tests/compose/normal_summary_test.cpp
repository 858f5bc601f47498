#include "compose/normal_summary.h"

#include <gtest/gtest.h>
#include "support/dates.h"

namespace tessarine {
namespace {

using std::chrono::days;

using testing::Date;

class NormalSummaryTest : public ::testing::Test {
 protected:
  std::string Title(sys_days date) {
    const int year = static_cast<int>(std::chrono::year_month_day{date}.year());
    return GetDayInfo(cal, date, std::to_string(year)).Summary;
  }
  SummaryOptions options;
  LunarCalendar cal{options};
};

TEST_F(NormalSummaryTest, TitlesByModeAndRule) {
  struct Case {
    sys_days date;
    int mode, both;
    bool noFT, dongLa;
    const char* title;
  };
  const Case cases[] = {
      {Date(2013, 2, 10), 0, 0, false, true, "春节"},
      {Date(2013, 2, 10), 0, 0, true, true, "正月"},
      {Date(2013, 4, 10), 0, 0, false, true, "三月"},
      {Date(2013, 4, 10), 1, 0, false, true, "三月"},
      {Date(2013, 4, 14), 0, 0, false, true, "初五"},
      {Date(2013, 4, 14), 1, 0, false, true, "三月初五"},
      {Date(2023, 3, 22), 0, 0, false, true, "闰二月"},
      {Date(2023, 3, 22), 1, 0, false, true, "闰二月"},
      {Date(2023, 3, 23), 1, 0, false, true, "闰二月初二"},
      {Date(2013, 12, 4), 1, 0, false, true, "冬月初二"},
      {Date(2013, 12, 4), 1, 0, false, false, "十一月初二"},
      {Date(2019, 2, 4), 0, 0, false, true, "除夕"},
      {Date(2019, 2, 4), 0, 1, false, true, "立春"},
      {Date(2019, 2, 4), 0, 2, false, true, "除夕/立春"},
      {Date(2015, 2, 19), 0, 2, false, true, "春节/雨水"},
      {Date(2015, 2, 19), 0, 2, true, true, "正月"},
      {Date(2013, 4, 14), 2, 0, false, true, ""},
      {Date(2013, 2, 10), 3, 0, false, true, ""},
      {Date(2013, 12, 22), 3, 0, false, true, "冬至"},
      {Date(2013, 12, 22), 3, 0, true, true, ""},
      {Date(2013, 4, 14), 0, 7, false, true, ""},
  };
  for (const auto& c : cases) {
    options.intDispMode = c.mode;
    options.intBothFT = c.both;
    options.bolNoFT = c.noFT;
    options.bolDongLa = c.dongLa;
    EXPECT_EQ(Title(c.date), c.title) << testing::Iso(c.date) << " mode " << c.mode
                                      << " both " << c.both << " noFT " << c.noFT;
  }
}

TEST_F(NormalSummaryTest, TitledDaysOf2013ByMode) {
  const std::pair<int, int> expected[] = {{0, 365}, {1, 365}, {2, 37}, {3, 24}};
  for (const auto& [mode, titled] : expected) {
    options.intDispMode = mode;
    int count = 0;
    for (auto date = Date(2013, 1, 1); date <= Date(2013, 12, 31); date += days{1}) count += !Title(date).empty();
    EXPECT_EQ(count, titled) << "mode " << mode;
  }
}

TEST_F(NormalSummaryTest, WithoutFestivalsAndTermsEveryTitleIsADayOrMonthName) {
  options.bolNoFT = true;
  for (auto date = Date(2013, 1, 1); date <= Date(2013, 12, 31); date += days{1}) {
    const std::string title = Title(date);
    EXPECT_TRUE(title.ends_with("月") || title.size() == 6) << title;
  }
}

TEST_F(NormalSummaryTest, RewritesTheRecordInPlace) {
  DayInfo info{"", "三月", "初五", "清明", "寒食", ""};
  options.intDispMode = 3;
  NormalSummary(info, options);
  EXPECT_EQ(info.DayText, "");
  EXPECT_EQ(info.FestText, "");
  EXPECT_EQ(info.TermText, "清明");
  EXPECT_EQ(info.Summary, "清明");
}

}  // namespace
}  // namespace tessarine
