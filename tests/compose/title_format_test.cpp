// A day's title by the chosen style: never a failure, even for a style the
// choice lost while it was being assigned.
#include "compose/title_format.h"

#include <gtest/gtest.h>

#include "compose/normal_summary.h"
#include "compose/template_engine.h"
#include "support/dates.h"

namespace tessarine {
namespace {

using testing::Date;

// Turns into a template's text by throwing, as running out of memory would
// while the text is copied.
struct ThrowingText {
  operator std::string() const { throw std::bad_alloc(); }
};

TEST(TitleFormatTest, EachStyleGivesItsTitle) {
  const sys_days day = Date(2014, 9, 8);
  TitleFormat format;
  format.style = NormalFormat{};
  EXPECT_EQ(TitleOf(day, format), NormalSummary(GetDayInfo(day, LunarCalendar::China, Region::China), NormalFormat{},
                                                format.monthNaming, format.language));
  format.style = TemplateFormat{"LMLD CM/CD", true};
  EXPECT_EQ(TitleOf(day, format), "八月十五 9/8");
  EXPECT_EQ(TitleOf(GetDayInfo(day, LunarCalendar::China, Region::China), format), "八月十五 9/8");
}

TEST(TitleFormatTest, AStyleLostToAnExceptionGivesNoTitle) {
  TitleFormat format;
  EXPECT_THROW(format.style.emplace<TemplateFormat>(ThrowingText{}, true), std::bad_alloc);
  ASSERT_TRUE(format.style.valueless_by_exception());
  const sys_days day = Date(2014, 9, 8);
  std::string title = "not asked";
  EXPECT_NO_THROW(title = TitleOf(day, format));
  EXPECT_EQ(title, "");
  EXPECT_NO_THROW(title = TitleOf(GetDayInfo(day, LunarCalendar::China, Region::China), format));
  EXPECT_EQ(title, "");
}

}  // namespace
}  // namespace tessarine
