// The help texts' years, filled in from the calendar's range.
#include "cli/help.h"

#include <fmt/format.h>

#include "calendar/year_range.h"

namespace tessarine::cli {

std::string WithYears(std::string_view helpFormat) {
  return fmt::format(fmt::runtime(helpFormat), fmt::arg("first", static_cast<int>(YearRange::First)),
                     fmt::arg("last", static_cast<int>(YearRange::Last)));
}

}  // namespace tessarine::cli
