// The engine speaks UTF-8 std::string; the toolkit speaks QString.
#pragma once

#include <QString>
#include <string_view>

namespace tessarine {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tessarine
