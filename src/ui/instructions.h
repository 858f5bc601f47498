// The short user guide shown in the window's text box, and the maker's name
// and page, which the guide and 关于 name.
#pragma once

#include <QString>
#include <string_view>

namespace tessarine {

inline constexpr std::string_view kMakerAddress = "https://example.com/tessarine";

// The whole guide in the window's language: heading, the numbered items, the
// maker's signature. Lines end with CR LF, like everything the window shows.
QString InstructionsText();
QString MakerName();

}  // namespace tessarine
