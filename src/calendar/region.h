// The five places whose people read these lunar calendars: mainland China,
// Taiwan, Hong Kong, Korea and Vietnam. A region is a value the user picks
// (or that follows the calendar); it decides, unless told otherwise, the
// lunar calendar its days are reckoned by, the language its files are
// written in, and which festivals, national days and holidays it keeps.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/lunar_date.h"

namespace tessarine {

enum class Region { China, Taiwan, HongKong, Korea, Vietnam };
inline constexpr int kRegionCount = 5;

// "cn", "tw", "hk", "kr" or "vn", and back (in any case).
std::string_view RegionTag(Region region);
std::optional<Region> RegionOfTag(std::string_view tag);

// The calendar a region's days are reckoned by: Taiwan and Hong Kong keep
// the Chinese calendar, Korea and Vietnam their own.
LunarCalendar CalendarOf(Region region);

// The region a calendar stands for when no region is named, so that a
// command naming only its calendar keeps its meaning: chinese → cn,
// korean → kr, vietnamese → vn.
Region RegionOf(LunarCalendar calendar);

}  // namespace tessarine
