// The Gregorian years the program describes, and a checked span of them.
// This is the one place that knows the calendar's first and last year: the
// window's lists, the command line's checks and every message that names the
// limits ask here.
#pragma once

#include <chrono>
#include <variant>

#include "calendar/lunar_tables.h"

namespace tessarine {

// Why two years do not make a range. Each front end words it in its own
// language.
enum class YearRangeProblem {
  BadStart,        // the start year is outside the described years
  BadEnd,          // the end year is outside them
  EndBeforeStart,  // both are described, but the end comes first
};

// An inclusive span of described years; it cannot hold any other.
class YearRange {
 public:
  // Every described year: the tables' Gregorian years.
  static constexpr std::chrono::year First{kFirstTableYear};
  static constexpr std::chrono::year Last{kLastTableYear};

  static constexpr YearRange All() noexcept { return YearRange(First, Last); }

  // True for a described year.
  static constexpr bool Holds(int year) noexcept {
    return year >= static_cast<int>(First) && year <= static_cast<int>(Last);
  }

  // The range start..end, or why there is none; checked in that order.
  static constexpr std::variant<YearRange, YearRangeProblem> Checked(int start, int end) noexcept {
    if (!Holds(start)) return YearRangeProblem::BadStart;
    if (!Holds(end)) return YearRangeProblem::BadEnd;
    if (end < start) return YearRangeProblem::EndBeforeStart;
    return YearRange(std::chrono::year{start}, std::chrono::year{end});
  }

  constexpr std::chrono::year first() const noexcept { return first_; }
  constexpr std::chrono::year last() const noexcept { return last_; }
  constexpr int size() const noexcept { return static_cast<int>(last_) - static_cast<int>(first_) + 1; }
  constexpr bool single() const noexcept { return first_ == last_; }
  constexpr std::chrono::sys_days firstDay() const noexcept { return std::chrono::sys_days{first_ / 1 / 1}; }
  constexpr std::chrono::sys_days lastDay() const noexcept { return std::chrono::sys_days{last_ / 12 / 31}; }
  constexpr bool contains(std::chrono::sys_days date) const noexcept {
    return date >= firstDay() && date <= lastDay();
  }

  friend constexpr bool operator==(const YearRange&, const YearRange&) = default;

 private:
  constexpr YearRange(std::chrono::year first, std::chrono::year last) noexcept : first_(first), last_(last) {}

  std::chrono::year first_;
  std::chrono::year last_;
};

// A day of a described year.
constexpr bool IsDescribable(std::chrono::sys_days date) noexcept { return YearRange::All().contains(date); }

}  // namespace tessarine
