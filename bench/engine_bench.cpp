// Describing days and expanding templates: the work of every export.
#include <benchmark/benchmark.h>

#include "calendar/day_info.h"
#include "compose/template_engine.h"
#include "support/literal_walk.h"

namespace tessarine {
namespace {

using std::chrono::days;

// Every day the program describes, 1901-01-01 to 2050-12-31: 54,787 days.
void BM_GetDayInfoAllDays(benchmark::State& state) {
  SummaryOptions options;
  LunarCalendar calendar(options);
  for (auto _ : state) {
    for (auto date = FirstDescribedDate; date <= LastDescribedDate; date += days{1}) {
      const int year = static_cast<int>(std::chrono::year_month_day{date}.year());
      benchmark::DoNotOptimize(GetDayInfo(calendar, date, std::to_string(year)));
    }
  }
  state.SetItemsProcessed(state.iterations() * ((LastDescribedDate - FirstDescribedDate).count() + 1));
}
BENCHMARK(BM_GetDayInfoAllDays)->Unit(benchmark::kMillisecond);

// The conversion alone, against its alternative: walking every lunar year
// from 1901 for each day, as the conversion was first described.
template <LunarDate (*Convert)(LunarCalendar&, sys_days)>
void ConvertAllDays(benchmark::State& state) {
  SummaryOptions options;
  LunarCalendar calendar(options);
  for (auto _ : state) {
    for (auto date = FirstDescribedDate; date <= LastDescribedDate; date += days{1}) {
      benchmark::DoNotOptimize(Convert(calendar, date));
    }
  }
  state.SetItemsProcessed(state.iterations() * ((LastDescribedDate - FirstDescribedDate).count() + 1));
}
void BM_ToLunarDateAllDays(benchmark::State& state) { ConvertAllDays<ToLunarDate>(state); }
void BM_LiteralWalkAllDays(benchmark::State& state) { ConvertAllDays<testing::LiteralWalk>(state); }
BENCHMARK(BM_ToLunarDateAllDays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralWalkAllDays)->Unit(benchmark::kMillisecond);

void BM_ExpandDefaultTemplateOneYear(benchmark::State& state) {
  SummaryOptions options;
  options.bolDIY = true;
  LunarCalendar calendar(options);
  const std::chrono::sys_days first{std::chrono::year{2014} / 1 / 1};
  for (auto _ : state) {
    for (auto date = first; date < first + days{365}; date += days{1}) {
      benchmark::DoNotOptimize(ExpandTemplate(calendar, DefaultTemplate, date, true));
    }
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_ExpandDefaultTemplateOneYear)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessarine
