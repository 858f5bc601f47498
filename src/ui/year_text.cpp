#include "ui/year_text.h"

#include <charconv>

namespace tessarine {

int ParseYearText(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  int value = 0;
  const char* const end = digits.data() + digits.size();
  const auto parsed = std::from_chars(digits.data(), end, value);
  if (digits.empty() || digits.front() == '+' || parsed.ec != std::errc{} || parsed.ptr != end) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  }
  return value;
}

}  // namespace tessarine
