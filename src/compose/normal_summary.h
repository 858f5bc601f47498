// The normal-format event title: short enough for a phone's calendar screen.
#pragma once

#include "calendar/day_info.h"
#include "ui/summary_options.h"

namespace tessarine {

// Rewrites DayText, FestText and TermText of `info` by intDispMode and
// bolNoFT, then sets Summary by intBothFT. An empty Summary means no event.
void NormalSummary(DayInfo& info, const SummaryOptions& options);

}  // namespace tessarine
