// The public holidays a holiday notice's names stand for. The notices have
// named them in several ways over the years: 国庆节 and 国庆, “十一” (the
// notices of 2000 to 2007), 劳动节, 国际劳动节, “五一” and “五一”国际劳动节,
// and two holidays in one item (国庆节、中秋节). A name the reader did not
// know would count its block's statutory days as none, and a whole notice
// would not add up.
#pragma once

#include <string_view>
#include <vector>

#include "holidays/china/statutory_days.h"

namespace tessarine {

// The public holidays `name` covers; none for a commemoration (抗战胜利70
// 周年纪念日) or a name that is no holiday's.
std::vector<PublicHoliday> NoticeHolidays(std::string_view name);

}  // namespace tessarine
