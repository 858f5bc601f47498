// tessarine-cli holidays --import: a State Council notice read whole or
// refused, and its year stored in the user's holiday list under the list's
// lock, so that imports at the same time and the window all keep their
// years.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace tessarine::cli {

struct ImportRequest {
  std::string source;             // a file, or - for standard input
  std::optional<int> year;        // --year: for a text without its title
  bool dryRun = false;            // print the days, store nothing
};

// Prints the year's days; warns of blocks that do not add up; stores the
// year unless it is a dry run. Returns the exit status: 0 stored, 1 not
// stored, 2 not a readable notice. Throws UsageError for a source that
// cannot be read.
int ImportNotice(const ImportRequest& request, std::ostream& out, std::ostream& err);

}  // namespace tessarine::cli
