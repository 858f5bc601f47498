#include "calendar/region.h"

#include <array>
#include <cctype>
#include <cstddef>

namespace tessarine {
namespace {

constexpr std::array<std::string_view, kRegionCount> kRegionTags = {"cn", "tw", "hk", "kr", "vn"};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

std::string_view RegionTag(Region region) { return kRegionTags[static_cast<std::size_t>(region)]; }

std::optional<Region> RegionOfTag(std::string_view tag) {
  for (std::size_t i = 0; i < kRegionTags.size(); ++i) {
    if (SameLetters(kRegionTags[i], tag)) return static_cast<Region>(i);
  }
  return std::nullopt;
}

LunarCalendar CalendarOf(Region region) {
  switch (region) {
    case Region::Korea: return LunarCalendar::Korea;
    case Region::Vietnam: return LunarCalendar::Vietnam;
    case Region::China:
    case Region::Taiwan:
    case Region::HongKong: break;
  }
  return LunarCalendar::China;
}

Region RegionOf(LunarCalendar calendar) {
  switch (calendar) {
    case LunarCalendar::Korea: return Region::Korea;
    case LunarCalendar::Vietnam: return Region::Vietnam;
    case LunarCalendar::China: break;
  }
  return Region::China;
}

}  // namespace tessarine
