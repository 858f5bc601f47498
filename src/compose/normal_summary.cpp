#include "compose/normal_summary.h"

namespace tessarine {

void NormalSummary(DayInfo& info, const SummaryOptions& options) {
  // The first day of a month shows the month's name instead of 初一.
  if (info.DayText == "初一") {
    info.DayText = info.MonthText;
  } else if (options.intDispMode == 1) {
    info.DayText = info.MonthText + info.DayText;
  }
  if (options.intDispMode > 1) info.DayText.clear();
  if (options.intDispMode == 3) info.FestText.clear();
  if (options.bolNoFT) {
    info.FestText.clear();
    info.TermText.clear();
  }

  const std::string& fest = info.FestText;
  const std::string& term = info.TermText;
  switch (options.intBothFT) {
    case 0:
      info.Summary = !fest.empty() ? fest : !term.empty() ? term : info.DayText;
      break;
    case 1:
      info.Summary = !term.empty() ? term : !fest.empty() ? fest : info.DayText;
      break;
    case 2:
      if (!fest.empty() && !term.empty()) {
        info.Summary = fest + "/" + term;
      } else {
        info.Summary = !fest.empty() ? fest : !term.empty() ? term : info.DayText;
      }
      break;
    default:
      break;  // the window never sets another value: no title
  }
}

}  // namespace tessarine
