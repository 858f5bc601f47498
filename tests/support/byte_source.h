// The whole text a writer is handed piece by piece, for tests that keep
// files in memory.
#pragma once

#include <string>

#include "files/replace_file.h"

namespace tessarine::testing {

inline std::string AllOf(const ByteSource& text) {
  std::string all;
  for (std::string_view piece = text(); !piece.empty(); piece = text()) all.append(piece);
  return all;
}

}  // namespace tessarine::testing
