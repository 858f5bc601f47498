// The notices of the test corpus (tests/holidays/china/notices), as
// published: a year's notice as its bytes.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace tessarine::testing {

inline std::string Notice(int year) {
  return ReadFile(std::string(TESSARINE_NOTICES_DIR) + "/" + std::to_string(year) + ".txt");
}

}  // namespace tessarine::testing
