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
  bool acceptUnbalanced = false;  // --accept-unbalanced: store days that do not add up, as checked by the user
};

// Prints the year's days and stores the year unless it is a dry run. A
// notice whose days do not add up is refused, naming its blocks, unless
// the request accepts it (then each block is a warning). Returns the exit
// status: 0 stored, 1 not stored, 2 not a readable notice. Throws
// UsageError for a source that cannot be read or decoded.
int ImportNotice(const ImportRequest& request, std::ostream& out, std::ostream& err);

// The bytes of a file to import, or of standard input for "-", at most
// kMostBytesRead of them. Throws UsageError for a source that is no regular
// file, cannot be read or is too large.
std::string ReadImportSource(const std::string& source);

}  // namespace tessarine::cli
