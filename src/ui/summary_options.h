// The user's choices that change what the program writes. The window owns the
// one instance; the engine, the composition and the export hold a reference
// and read the fields at the moment they need them, so a change made by a
// handler takes effect at the very next description or export.
//
// Plain data on purpose: it is shared with the toolkit-free engine.
#pragma once

#include <cstdint>
#include <string>

namespace tessarine {

struct SummaryOptions {
  bool bolYs = false;          // a range of years: start year to end year
  bool bolDIY = false;         // titles come from the template, not the normal format
  std::int32_t intDispMode = 0;  // 0 date, 1 month+date, 2 festivals and terms, 3 terms only
  std::int32_t intBothFT = 0;    // festival and term on one day: 0 festival, 1 term, 2 both
  bool bolNoFT = false;        // normal format without festivals and terms
  bool bolDongLa = true;       // lunar months 11 and 12 read 冬月 and 腊月
  bool bolShowTip = true;      // completion message after generating
  bool bolClearSpace = true;   // collapse white-space runs in template output
  std::string strDIY;          // the custom-format template
};

}  // namespace tessarine
