#include "calendar/festival_ids.h"

#include <array>
#include <cstddef>

namespace tessarine {
namespace {

// By LunarFestival, as the Chinese-calendar regions keep them.
constexpr std::array<std::string_view, kLunarFestivalCount> kLunarIds = {
    "springFestival", "springFestivalDay2", "springFestivalDay3", "jadeEmperorsBirthday", "godOfWealthDay",
    "firstFullMoon",  "doubleThird",        "coldFood",           "hungKingsDay",         "buddhasBirthday",
    "dragonBoat",     "qixi",               "ghostFestival",      "midAutumn",            "doubleNinth",
    "winterClothes",  "xiayuan",            "laba",               "weiya",                "kitchenGod",
    "sendingOffGods", "napil",              "littleNewYearsEve",  "newYearsEve",
};

// Korea's and Vietnam's own names, as English writes them, where they
// differ.
struct RegionalId {
  Region region;
  LunarFestival festival;
  std::string_view id;
};
constexpr std::array<RegionalId, 5> kRegionalIds = {{
    {Region::Korea, LunarFestival::NewYear, "seollal"},
    {Region::Korea, LunarFestival::MidAutumn, "chuseok"},
    {Region::Vietnam, LunarFestival::NewYear, "tet"},
    {Region::Vietnam, LunarFestival::NewYearSecond, "tetDay2"},
    {Region::Vietnam, LunarFestival::NewYearThird, "tetDay3"},
}};

// By SolarFestival.
constexpr std::array<std::string_view, kSolarFestivalCount> kSolarIds = {
    // the mainland's
    "newYearsDay", "valentinesDay", "womensDay", "aprilFoolsDay", "laborDay", "youthDay", "childrensDay",
    "teachersDay", "nationalDay", "halloween", "christmasEve", "christmas", "mothersDay", "fathersDay",
    "thanksgiving",
    // Taiwan's: the 2025 name of 光復節 keeps the day's id
    "peaceMemorialDay", "youthDay", "childrensDay", "teachersDay", "nationalDay", "retrocessionDay",
    "retrocessionDay", "constitutionDay",
    // Hong Kong's
    "goodFriday", "easterMonday", "establishmentDay",
    // Korea's: 근로자의 날 became 노동절, one laborDay
    "independenceMovementDay", "arborDay", "laborDay", "childrensDay", "memorialDay", "constitutionDay",
    "liberationDay", "armedForcesDay", "nationalFoundationDay", "hangulDay",
    // Vietnam's
    "partyFoundingDay", "reunificationDay", "dienBienPhuVictoryDay", "hoChiMinhsBirthday",
    "invalidsAndMartyrsDay", "augustRevolutionDay", "nationalDay", "vietnameseWomensDay", "teachersDay",
    "peoplesArmyDay",
};

}  // namespace

std::string_view FestivalId(LunarFestival festival, Region region) {
  for (const RegionalId& r : kRegionalIds) {
    if (r.region == region && r.festival == festival) return r.id;
  }
  return kLunarIds[static_cast<std::size_t>(festival)];
}

std::string_view FestivalId(SolarFestival festival) { return kSolarIds[static_cast<std::size_t>(festival)]; }

}  // namespace tessarine
