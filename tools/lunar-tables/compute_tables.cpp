#include "compute_tables.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "delta_t.h"
#include "overrides.h"

namespace tessarine::tables {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

// Solar terms 1..24 of each Gregorian year in a span.
struct TermYears {
  int firstYear = 0;
  std::vector<std::array<SkyEvent, 24>> years;

  const SkyEvent& at(int year, int term) const { return years[static_cast<std::size_t>(year - firstYear)][term - 1]; }
};

TermYears ComputeTerms(LunarCalendar calendar, int firstYear, int lastYear) {
  TermYears terms{firstYear, {}};
  for (int y = firstYear; y <= lastYear; ++y) {
    auto& year = terms.years.emplace_back();
    for (int k = 1; k <= 24; ++k) year[k - 1] = SolarTerm(calendar, y, k);
  }
  return terms;
}

// The principal terms (中气) are each month's second term: 大寒 … 冬至.
std::vector<sys_days> PrincipalTermDays(const TermYears& terms) {
  std::vector<sys_days> days;
  for (const auto& year : terms.years) {
    for (int k = 2; k <= 24; k += 2) days.push_back(year[k - 1].day);
  }
  return days;
}

std::vector<sys_days> SolsticeDays(const TermYears& terms) {
  std::vector<sys_days> days;
  for (const auto& year : terms.years) days.push_back(year[23].day);
  return days;
}

bool IsPredicted(const SkyEvent& event) {
  return static_cast<int>(std::chrono::year_month_day{event.day}.year()) > static_cast<int>(kLastObservedYear);
}

void AddProvisional(LunarCalendar calendar, const SkyEvent& event, int term, std::vector<ProvisionalDay>& days) {
  if (IsPredicted(event) && std::fabs(MinutesFromMidnight(calendar, event.instant)) < kProvisionalMinutes) {
    days.push_back({event, term});
  }
}

void SetEpoch(const std::vector<LunarMonth>& months, int firstYear, ComputedTables& tables) {
  const sys_days epoch{year{firstYear} / 1 / 1};
  for (const LunarMonth& month : months) {
    if (month.year != firstYear - 1 || month.number < 11) continue;
    if (month.leap) throw std::runtime_error("a leap month ends the lunar year before the tables");
    tables.lastMonthsDays[month.number - 11] = static_cast<unsigned>(month.length);
    if (month.start <= epoch && epoch < month.start + days{month.length}) {
      tables.epochMonth = month.number;
      tables.epochDayOfMonth = static_cast<unsigned>((epoch - month.start).count()) + 1;
    }
  }
}

}  // namespace

ComputedTables ComputeTables(LunarCalendar calendar, int firstYear, int lastYear) {
  // The lunar years need the solstice before the first and after the last.
  const TermYears terms = ComputeTerms(calendar, firstYear - 1, lastYear + 1);
  std::vector<SkyEvent> moons =
      NewMoons(calendar, sys_days{year{firstYear - 1} / 11 / 1}, sys_days{year{lastYear + 2} / 1 / 31});
  ApplyOverrides(calendar, moons);

  std::vector<sys_days> starts;
  for (const SkyEvent& moon : moons) starts.push_back(moon.day);
  const std::vector<LunarMonth> months = NumberMonths(starts, SolsticeDays(terms), PrincipalTermDays(terms));

  ComputedTables tables;
  tables.calendar = calendar;
  tables.firstYear = firstYear;
  tables.lastYear = lastYear;
  SetEpoch(months, firstYear, tables);
  for (int y = firstYear; y <= lastYear; ++y) {
    tables.years.push_back(ShapeOf(months, y));
    for (int m = 1; m <= 12; ++m) {
      const auto dayOf = [&](int k) { return static_cast<unsigned>(std::chrono::year_month_day{terms.at(y, k).day}.day()); };
      tables.termDays.push_back({dayOf(2 * m - 1), dayOf(2 * m)});
      for (int k = 2 * m - 1; k <= 2 * m; ++k) AddProvisional(calendar, terms.at(y, k), k, tables.provisional);
    }
  }
  for (const SkyEvent& moon : moons) {
    if (moon.day <= sys_days{year{lastYear + 1} / 1 / 1}) AddProvisional(calendar, moon, 0, tables.provisional);
  }
  std::ranges::sort(tables.provisional, {}, [](const ProvisionalDay& day) { return day.event.instant; });
  return tables;
}

}  // namespace tessarine::tables
