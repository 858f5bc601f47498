// Section 6(2) of the General Holidays Ordinance (Cap. 149), since 1999:
// "if in any year two general holidays fall on the same day, the next
// following day that is not itself a general holiday is to be observed as
// an additional general holiday in that year."
//
// The day keeps one of the two and the additional day is named after the
// other, "<holiday>翌日", as the gazette wrote 2015's, 2021's and 2026's:
// 清明節翌日 fell on Easter Monday, and the day after was listed as
// 復活節星期一翌日. The holiday that moves is the one fixed by the
// Gregorian date or by Easter (2012: 中秋節翌日 on 國慶日, and 10-02 was
// "the day following National Day"). Should that name be the year's
// already (耶穌受難節翌日), the additional day is named after the other.
#pragma once

#include <vector>

#include "holidays/hong_kong/general_holidays.h"

namespace tessarine::hong_kong {

// The year's holidays as observed: no two on one day, the additional days
// added; in date order.
std::vector<GeneralHoliday> ObservedHolidays(std::vector<GeneralHoliday> holidays);

}  // namespace tessarine::hong_kong
