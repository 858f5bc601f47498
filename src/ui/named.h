// Widgets are created with their member's name as their Qt object name, so
// that tests and style sheets find them by what they mean.
#pragma once

#include <utility>

namespace tessarine {

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)...);
  widget->setObjectName(name);
  return widget;
}

}  // namespace tessarine
