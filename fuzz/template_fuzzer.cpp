// Any bytes as a template, on any day the engine describes: the expansion
// must not crash, must be valid UTF-8, and its escaped form must stay on one
// line of the calendar file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/year_range.h"
#include "compose/template_engine.h"
#include "compose/utf8_text.h"
#include "export/ical_text.h"

using namespace tessarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  // Two bytes pick the day (a few days past the end on purpose), one byte the
  // switches; the rest is the template.
  const int offset = (data[0] | data[1] << 8) % 54800;
  const std::chrono::sys_days date = YearRange::All().firstDay() + std::chrono::days{offset};
  const MonthNaming naming = data[2] & 1 ? MonthNaming::WinterAndLast : MonthNaming::Numbered;
  const bool collapse = data[2] & 2;
  const std::string_view templ(reinterpret_cast<const char*>(data + 3), size - 3);

  const std::string title = ExpandTemplate(templ, date, naming, collapse);
  if (!IsValidUtf8(title)) __builtin_trap();
  if (!title.empty() && (static_cast<unsigned char>(title.front()) <= 0x20 ||
                         static_cast<unsigned char>(title.back()) <= 0x20)) {
    __builtin_trap();  // the trim must hold
  }
  const std::string line = EscapeText(title);
  if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
  return 0;
}
