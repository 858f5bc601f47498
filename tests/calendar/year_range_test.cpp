#include "calendar/year_range.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(YearRangeTest, CheckedNamesTheFirstProblem) {
  struct Case {
    int start, end;
    std::variant<YearRange, YearRangeProblem> expected;
  };
  const int first = static_cast<int>(YearRange::First), last = static_cast<int>(YearRange::Last);
  const Case cases[] = {
      {first, last, YearRange::All()},
      {first - 1, last, YearRangeProblem::BadStart},
      {last + 1, last + 1, YearRangeProblem::BadStart},
      {first, last + 1, YearRangeProblem::BadEnd},
      {last, first, YearRangeProblem::EndBeforeStart},
      {first - 1, first - 2, YearRangeProblem::BadStart},  // the start is judged first
      {2030, 2020, YearRangeProblem::EndBeforeStart},
  };
  for (const auto& c : cases) EXPECT_EQ(YearRange::Checked(c.start, c.end), c.expected) << c.start << ".." << c.end;
}

TEST(YearRangeTest, DaysOfARange) {
  const YearRange years = std::get<YearRange>(YearRange::Checked(2024, 2025));
  EXPECT_EQ(years.size(), 2);
  EXPECT_FALSE(years.single());
  EXPECT_TRUE(years.contains(std::chrono::sys_days{std::chrono::year{2025} / 12 / 31}));
  EXPECT_FALSE(years.contains(std::chrono::sys_days{std::chrono::year{2026} / 1 / 1}));
  EXPECT_FALSE(years.contains(std::chrono::sys_days{std::chrono::year{2023} / 12 / 31}));
}

}  // namespace
}  // namespace tessarine
