// The notices of the test corpus (tests/holidays/china/notices), as
// published: a year's notice as its bytes.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace tessarine::testing {

inline std::string Notice(int year) {
  // Appended piece by piece: g++ 12 at -O3 takes a chain of + on temporaries
  // for an overrun here (-Warray-bounds) where there is none.
  std::string path = TESSARINE_NOTICES_DIR;
  path.append("/").append(std::to_string(year)).append(".txt");
  return ReadFile(path);
}

}  // namespace tessarine::testing
