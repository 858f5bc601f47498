// The almanac layers of a day as text in a language: the moment of its solar
// term and of the Moon's phase in the calendar's civil time, 三伏 and 数九,
// the 干支 of the year, month and day, and the whole description a file's
// DESCRIPTION or `tessarine-cli day` gives.
#pragma once

#include <string>

#include "calendar/day_info.h"
#include "calendar/folk_layers.h"
#include "calendar/lunar_names.h"

namespace tessarine {

// "YYYY-MM-DDTHH:MMZ", whatever time zone the machine is in.
std::string UtcText(Moment moment);

// "HH:MM" in the calendar's civil time.
std::string ClockText(Moment moment, LunarCalendar calendar);

// The name of a phase: 新月, 上弦, 满月, 下弦.
std::string_view PhaseName(MoonPhase phase, Language language);

// "满月 21:36", or empty on a day without a principal phase.
std::string PhaseText(const DayAlmanac& almanac, LunarCalendar calendar, Language language);

// The time of the day's solar term, "04:02", or empty.
std::string TermTimeText(const DayAlmanac& almanac, LunarCalendar calendar);

// "中伏第12天" or "三九第4天", or empty outside both; where the region
// marks only the first days of 三伏, the period's name alone ("초복").
std::string SeasonCountText(const DayAlmanac& almanac, Language language);

// "丙午年 庚寅月 甲子日": the year, month and day pillars. The year pillar
// stands beside a month pillar that changes at the 节, so it changes with
// them at 立春, as a 万年历 or 만세력 reads it: 2026-02-16, the eve of the
// Spring Festival but past 立春, is 丙午年 庚寅月, never 乙巳年 庚寅月.
std::string GanzhiText(const DayAlmanac& almanac, Language language);

// The day's full description, a line a piece: the lunar date with its lunar
// year, in the calendar's words (农历乙巳 蛇年 腊月廿九), the 干支 pillars,
// the term and its time, festivals, the Moon's phase, 三伏 or 数九.
std::string DescriptionOf(const DayInfo& info, const DayAlmanac& almanac, MonthNaming naming, Language language);

}  // namespace tessarine
