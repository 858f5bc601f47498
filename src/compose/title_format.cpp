#include "compose/title_format.h"

#include "compose/template_engine.h"

namespace tessarine {

std::string TitleOf(sys_days date, const TitleFormat& format) {
  if (const auto* templ = std::get_if<TemplateFormat>(&format.style)) {
    return ExpandTemplate(templ->text, date, format.monthNaming, templ->collapseSpaces, format.language,
                          format.calendar);
  }
  return NormalSummary(GetDayInfo(date, format.calendar), std::get<NormalFormat>(format.style), format.monthNaming,
                       format.language);
}

}  // namespace tessarine
