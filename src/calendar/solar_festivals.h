// The Gregorian festivals and national days as identifiers, and which of
// them each region keeps, on which day and in which years. A day that is
// the same observance wherever it is kept (New Year's Day, Labour Day,
// Christmas) is one value; a nation's own day is its own value even where
// another's has the same purpose (China's 国庆节, Taiwan's 國慶日 and
// Vietnam's Quốc khánh), since its name in another language must say
// whose it is. Their names are the vocabulary's (calendar/vocabulary.h),
// their ids the same in every language (calendar/festival_ids.h).
#pragma once

#include <chrono>
#include <cstddef>

#include "calendar/festival_list.h"
#include "calendar/region.h"

namespace tessarine {

enum class SolarFestival : unsigned char {
  // Kept by the mainland, and some by others.
  NewYearsDay, ValentinesDay, WomensDay, AprilFools, LabourDay, YouthDay, ChildrensDay, TeachersDay,
  NationalDay, Halloween, ChristmasEve, Christmas, MothersDay, FathersDay, Thanksgiving,
  // Taiwan's.
  PeaceMemorialDay, TaiwanYouthDay, TaiwanChildrensDay, TaiwanTeachersDay, DoubleTenth, RetrocessionDay,
  RetrocessionAndGuningtouDay, TaiwanConstitutionDay,
  // Hong Kong's.
  GoodFriday, EasterMonday, EstablishmentDay,
  // Korea's.
  IndependenceMovementDay, ArborDay, WorkersDay, KoreanChildrensDay, MemorialDay, ConstitutionDay,
  LiberationDay, ArmedForcesDay, NationalFoundationDay, HangulDay,
  // Vietnam's.
  PartyFoundingDay, ReunificationDay, DienBienPhuVictory, HoChiMinhsBirthday, InvalidsAndMartyrsDay,
  AugustRevolution, VietnamNationalDay, VietnameseWomensDay, VietnameseTeachersDay, PeoplesArmyDay,
};
inline constexpr std::size_t kSolarFestivalCount = 46;

// The festivals `region` keeps on `date` that year, in the order a title
// prefers them; none for a date that is not ok().
FestivalList<SolarFestival> SolarFestivalsOn(std::chrono::year_month_day date, Region region);

// Easter Sunday of the Gregorian calendar (the Western churches' date),
// which Hong Kong's Good Friday and Easter Monday follow.
std::chrono::sys_days EasterSunday(std::chrono::year year);

}  // namespace tessarine
