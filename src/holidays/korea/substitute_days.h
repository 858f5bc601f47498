// 대체공휴일: 「관공서의 공휴일에 관한 규정」 제3조. A holiday its era
// substitutes (holidays/korea/statutory_days.h) that falls on a Sunday, on
// a Saturday (not 설날 and 추석) or on a weekday another 공휴일 also holds
// is owed "그 공휴일 다음의 첫 번째 비공휴일": the first day after it (after
// a 연휴, after its last day) that is neither a Sunday, nor a 공휴일, nor a
// substitute already given, nor a Saturday. Never backwards.
//
// When holidays share a weekday, that day still gives one of them: two
// holidays on one weekday owe one substitute (2025-05-05, 어린이날 and
// 부처님 오신 날: one, 05-06). The one owed is the lunar holiday, which is
// the one that moved onto the fixed date; 2025's is named
// "대체공휴일(부처님 오신 날)".
#pragma once

#include <vector>

#include "holidays/korea/statutory_days.h"

namespace tessarine::korea {

// The substitutes owed to `holidays`, every 공휴일 of one year other than
// its Sundays (statutory and designated), in date order, each named
// "대체공휴일(설날)", "대체공휴일(한글날)".
std::vector<NamedDay> SubstituteDays(const std::vector<Holiday>& holidays);

}  // namespace tessarine::korea
