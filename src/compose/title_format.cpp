#include "compose/title_format.h"

#include "compose/template_engine.h"

namespace tessarine {

std::string TitleOf(sys_days date, const TitleFormat& format) {
  return TitleOf(GetDayInfo(date, format.calendar, format.region), format);
}

std::string TitleOf(const DayInfo& day, const TitleFormat& format) {
  if (const auto* templ = std::get_if<TemplateFormat>(&format.style)) {
    return ExpandTemplate(templ->text, day, format.monthNaming, templ->collapseSpaces, format.language);
  }
  return NormalSummary(day, std::get<NormalFormat>(format.style), format.monthNaming, format.language);
}

}  // namespace tessarine
