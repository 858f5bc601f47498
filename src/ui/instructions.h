// The short user guide shown in the window's text box.
#pragma once

#include <string_view>

namespace tessarine {

inline constexpr std::string_view kMakerName = "Tessarine 开发组";
inline constexpr std::string_view kMakerAddress = "https://example.com/tessarine";

// The whole guide: header, eleven items, the maker's signature. Lines end
// with CR LF, like everything the window shows.
std::string_view InstructionsText();

}  // namespace tessarine
