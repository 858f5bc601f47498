#include "export/year_calendar.h"

#include <fmt/format.h>

#include "export/ical_builder.h"
#include "export/ical_text.h"

namespace tessarine {

std::string YearCalendarFile(std::chrono::year year, const TitleFunction& titleOf,
                             std::chrono::local_seconds moment) {
  IcalBuilder builder(fmt::format("农历 {}", static_cast<int>(year)), moment, 366);
  const std::chrono::sys_days first{year / std::chrono::January / 1};
  const std::chrono::sys_days last{year / std::chrono::December / 31};
  for (auto date = first; date <= last; date += std::chrono::days{1}) {
    const std::string title = titleOf(date);
    if (!title.empty()) builder.AddAllDayEvent(date, title);
  }
  return std::move(builder).Finish();
}

std::string YearFileName(std::chrono::year year, std::chrono::local_seconds moment) {
  return fmt::format("Tessarine_{}_{}.ics", static_cast<int>(year), FileTimeStamp(moment));
}

}  // namespace tessarine
