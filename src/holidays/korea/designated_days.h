// The 공휴일 that no rule computes: 「공직선거법」 제34조's election days
// (관공서의 공휴일에 관한 규정 제2조, 선거일) and the days the government
// designates one at a time (임시공휴일, "기타 정부에서 수시 지정하는 날"),
// as published. None is ever substituted, but each counts as "another
// 공휴일" for 제3조.
#pragma once

#include <vector>

#include "calendar/year_range.h"
#include "holidays/korea/statutory_days.h"

namespace tessarine::korea {

// The years whose designated days are known here: a year outside has
// election days or 임시공휴일 that are not listed (the years before were
// not researched; the years after are not announced).
YearRange DesignatedYears();

// The designated days of `year`, in date order; empty outside DesignatedYears().
std::vector<NamedDay> DesignatedDays(int year);

}  // namespace tessarine::korea
