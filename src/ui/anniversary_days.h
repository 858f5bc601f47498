// The anniversaries the month view marks: a year's occurrences are worked
// out once, when the view first shows a day of it, and kept while the list
// stays the same, whatever option changes; only the last few years shown
// are kept. A day gives its first few titles and how many there are, so a
// day with hundreds of anniversaries costs no more to show than one with three.
#pragma once

#include <QStringList>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "compose/anniversary.h"

namespace tessarine {

class AnniversaryDays {
 public:
  explicit AnniversaryDays(std::shared_ptr<const std::vector<Anniversary>> entries) : entries_(std::move(entries)) {}

  // The entries the days are worked out from.
  const std::shared_ptr<const std::vector<Anniversary>>& entries() const { return entries_; }

  struct Day {
    QStringList titles;  // the first of the day's titles, in list order
    int count = 0;       // all of them
  };
  // The titles on `day`, at most `most` of them.
  Day on(std::chrono::sys_days day, int most);

 private:
  static constexpr std::size_t kYearsKept = 3;

  std::shared_ptr<const std::vector<Anniversary>> entries_;
  std::map<int, std::vector<Occurrence>> years_;  // by Gregorian year, in date order
};

}  // namespace tessarine
