#include "compose/title_format.h"

#include "compose/template_engine.h"

namespace tessarine {

std::string TitleOf(sys_days date, const TitleFormat& format) {
  return TitleOf(GetDayInfo(date, format.calendar, format.region), format);
}

std::string TitleOf(const DayInfo& day, const TitleFormat& format) {
  // Each style asked for in turn rather than taken with std::get, which
  // throws for a style it does not hold: a title never fails.
  if (const auto* normal = std::get_if<NormalFormat>(&format.style)) {
    return NormalSummary(day, *normal, format.monthNaming, format.language);
  }
  if (const auto* templ = std::get_if<TemplateFormat>(&format.style)) {
    return ExpandTemplate(templ->text, day, format.monthNaming, templ->collapseSpaces, format.language);
  }
  return {};  // a style lost to an exception while it was assigned: no title, as for a day without one
}

}  // namespace tessarine
