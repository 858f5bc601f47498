// The notices that change a year already announced, read as that change:
//
//   调整2019年劳动节假期   the holiday's days replaced by the ones named
//   延长2020年春节假期至2月2日   the holiday runs on to that day, and its
//                        make-up workdays inside the longer break go
//   …纪念日调休放假的通知   a one-off holiday added, as 2015-09-03
//
// Its days are read as an item's are (holidays/china/notice_item.h).
#pragma once

#include <optional>
#include <string_view>

#include "calendar/result.h"
#include "holidays/china/holiday_notice.h"

namespace tessarine {

// The change `text` (normalised) announces; nothing when it is not a change
// notice.
Result<std::optional<HolidayNotice>, NoticeError> ReadChangeNotice(std::string_view text);

// `known` with the change merged in.
Result<HolidaySchedule, NoticeError> MergeChange(const HolidayNotice& change, const HolidaySchedule& known);

}  // namespace tessarine
