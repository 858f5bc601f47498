// The anniversary list's fourth column (历法): which lunar calendar an entry
// repeats by. A Korean 제사 falls on Korea's date, a Vietnamese giỗ on
// Vietnam's, and in some years those are a day from China's (the Korean
// 1-1 of 2027 is 2027-02-07, the Chinese 2027-02-06). The column is read the
// same way by every front end; an empty one is the Chinese calendar.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/lunar_date.h"

namespace tessarine {

// The calendar `field` names, in any case and with or without blanks: in
// English (chinese, Korea, VIETNAMESE), by a language or country code (zh,
// ko, vi; cn, kr, vn), or in Chinese, Korean or Vietnamese (农历, 韩国阴历,
// 韓國陰曆, 한국, 음력, Việt Nam, Âm lịch), the program's own names of the
// three calendars among them. An empty field is the Chinese calendar;
// anything else names none.
std::optional<LunarCalendar> CalendarOfColumn(std::string_view field);

}  // namespace tessarine
