#include "compose/title_format.h"

#include "compose/template_engine.h"

namespace tessarine {

std::string TitleOf(sys_days date, const TitleFormat& format) {
  if (const auto* templ = std::get_if<TemplateFormat>(&format.style)) {
    return ExpandTemplate(templ->text, date, format.monthNaming, templ->collapseSpaces, format.language);
  }
  return NormalSummary(GetDayInfo(date, format.monthNaming, format.language), std::get<NormalFormat>(format.style));
}

}  // namespace tessarine
