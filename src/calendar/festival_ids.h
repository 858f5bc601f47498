// Each festival's id: plain ASCII, the same in every language, for scripts
// that look for a festival whatever language the names are written in
// ("seollal", "tet", "springFestival", "midAutumn", "nationalDay"). An id
// names the festival as its region keeps it: the lunar new year is
// "springFestival" in the mainland, Taiwan and Hong Kong, "seollal" in
// Korea and "tet" in Vietnam. A region's own day of a kind shares the
// kind's id: each region's national day is "nationalDay", whichever day
// it is. Within a region no two festivals of one year share an id.
#pragma once

#include <string_view>

#include "calendar/lunar_festivals.h"
#include "calendar/region.h"
#include "calendar/solar_festivals.h"

namespace tessarine {

std::string_view FestivalId(LunarFestival festival, Region region);
std::string_view FestivalId(SolarFestival festival);

}  // namespace tessarine
