// The CR LF lines of a written file, its byte-order mark dropped.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tessarine::testing {

inline std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  while (!bytes.empty()) {
    const auto end = bytes.find("\r\n");
    EXPECT_NE(end, std::string_view::npos) << "a line without CR LF";
    if (end == std::string_view::npos) break;
    lines.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

}  // namespace tessarine::testing
