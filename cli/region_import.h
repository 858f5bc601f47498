// tessarine-cli holidays --import-tw and --import-hk: Taiwan's 辦公日曆表
// CSV or Hong Kong's 1823 iCalendar feed, as downloaded, read whole or
// refused, and its years stored in the user's holiday list as that
// region's, under the list's lock as a notice's are (cli/notice_import.h).
#pragma once

#include <ostream>
#include <string>

#include "calendar/region.h"

namespace tessarine::cli {

struct RegionImportRequest {
  Region region = Region::Taiwan;  // Taiwan or Hong Kong: the two that publish a file
  std::string source;              // a file, or - for standard input
  bool dryRun = false;             // print the days, store nothing
};

// Prints the days of each year read ("YYYY-MM-DD<TAB>休|班<TAB>name") and
// stores the years unless it is a dry run. Returns the exit status: 0
// stored, 1 not stored (the list could not be read or written), 2 not a
// readable file. Throws UsageError for a source that cannot be read.
int ImportRegionFile(const RegionImportRequest& request, std::ostream& out, std::ostream& err);

}  // namespace tessarine::cli
