// The result every fallible call of the lists and the schedules returns:
// what it holds is what was given, asked the way std::expected is asked.
#include "calendar/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <variant>

namespace tessarine {
namespace {

struct Problem {
  int line;
};

Result<std::string, Problem> Parsed(bool ok) {
  if (!ok) return Failure{Problem{7}};
  return "text";
}

TEST(ResultTest, HoldsTheValueOrTheReason) {
  const auto good = Parsed(true);
  ASSERT_TRUE(good.has_value());
  EXPECT_TRUE(static_cast<bool>(good));
  EXPECT_EQ(*good, "text");
  EXPECT_EQ(good->size(), 4u);
  EXPECT_EQ(good.value(), "text");
  EXPECT_EQ(good.value_or("other"), "text");

  const auto bad = Parsed(false);
  ASSERT_FALSE(bad.has_value());
  EXPECT_FALSE(static_cast<bool>(bad));
  EXPECT_EQ(bad.error().line, 7);
  EXPECT_EQ(bad.value_or("other"), "other");
  // Asking a failure for its value is a fault of the caller's, and says so
  // rather than handing over something undefined.
  EXPECT_THROW((void)bad.value(), std::bad_variant_access);
}

// A value that may legitimately be absent says so in its own type: nothing
// there is not a failure.
TEST(ResultTest, NothingThereIsAValue) {
  const Result<std::optional<std::string>, std::error_code> none = std::nullopt;
  ASSERT_TRUE(none.has_value());
  EXPECT_FALSE(none->has_value());
  const Result<std::optional<std::string>, std::error_code> failed =
      Failure{std::make_error_code(std::errc::permission_denied)};
  ASSERT_FALSE(failed.has_value());
  EXPECT_EQ(failed.error(), std::errc::permission_denied);
}

TEST(ResultTest, MovesWhatItHolds) {
  Result<std::unique_ptr<int>, Problem> owned = std::make_unique<int>(3);
  std::unique_ptr<int> taken = std::move(owned).value();
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(*taken, 3);
  Result<int, std::unique_ptr<Problem>> failed = Failure{std::make_unique<Problem>(Problem{2})};
  std::unique_ptr<Problem> reason = std::move(failed).error();
  EXPECT_EQ(reason->line, 2);
}

TEST(ResultTest, AStepWithoutAValue) {
  const Result<void, Problem> done;
  EXPECT_TRUE(done.has_value());
  const Result<void, Problem> failed = Failure{Problem{3}};
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.error().line, 3);
}

}  // namespace
}  // namespace tessarine
