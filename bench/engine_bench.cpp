// Describing days and expanding templates: the work of every export.
#include <benchmark/benchmark.h>

#include "calendar/day_info.h"
#include "calendar/year_range.h"
#include "compose/template_engine.h"
#include "support/literal_walk.h"

namespace tessarine {
namespace {

using std::chrono::days;

constexpr std::int64_t kDescribedDays = (YearRange::All().lastDay() - YearRange::All().firstDay()).count() + 1;

// Every day the program describes, 1901-01-01 to 2100-12-31: 73,049 days.
void BM_GetDayInfoAllDays(benchmark::State& state) {
  for (auto _ : state) {
    for (auto date = YearRange::All().firstDay(); date <= YearRange::All().lastDay(); date += days{1}) {
      benchmark::DoNotOptimize(GetDayInfo(date, LunarCalendar::China, Region::China));
    }
  }
  state.SetItemsProcessed(state.iterations() * kDescribedDays);
}
BENCHMARK(BM_GetDayInfoAllDays)->Unit(benchmark::kMillisecond);

// The conversion alone, against its alternative: walking every lunar year
// from 1901 for each day, as the conversion was first described.
void BM_ToLunarDateAllDays(benchmark::State& state) {
  for (auto _ : state) {
    for (auto date = YearRange::All().firstDay(); date <= YearRange::All().lastDay(); date += days{1}) {
      benchmark::DoNotOptimize(ToLunarDate(date, LunarCalendar::China));
    }
  }
  state.SetItemsProcessed(state.iterations() * kDescribedDays);
}
void BM_LiteralWalkAllDays(benchmark::State& state) {
  for (auto _ : state) {
    for (auto date = YearRange::All().firstDay(); date <= YearRange::All().lastDay(); date += days{1}) {
      benchmark::DoNotOptimize(testing::LiteralWalk(date));
    }
  }
  state.SetItemsProcessed(state.iterations() * kDescribedDays);
}
BENCHMARK(BM_ToLunarDateAllDays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralWalkAllDays)->Unit(benchmark::kMillisecond);

void BM_ExpandDefaultTemplateOneYear(benchmark::State& state) {
  const std::chrono::sys_days first{std::chrono::year{2014} / 1 / 1};
  for (auto _ : state) {
    for (auto date = first; date < first + days{365}; date += days{1}) {
      benchmark::DoNotOptimize(ExpandTemplate(DefaultTemplate, date, MonthNaming::WinterAndLast, true));
    }
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_ExpandDefaultTemplateOneYear)->Unit(benchmark::kMicrosecond);

// The default template of each language in its region's calendar (0 简体, 1
// 繁體, 2 Korean, 3 Vietnamese): the month and the day side by side (LMLD)
// joined by the language's pattern, where Chinese runs the names together.
void BM_ExpandDefaultTemplateOneYearInLanguage(benchmark::State& state) {
  const auto language = static_cast<Language>(state.range(0));
  const Region region = language == Language::Korean       ? Region::Korea
                        : language == Language::Vietnamese ? Region::Vietnam
                                                           : Region::China;
  const std::string_view templ = DefaultTemplateOf(language, region);
  const std::chrono::sys_days first{std::chrono::year{2014} / 1 / 1};
  for (auto _ : state) {
    for (auto date = first; date < first + days{365}; date += days{1}) {
      benchmark::DoNotOptimize(
          ExpandTemplate(templ, date, MonthNaming::WinterAndLast, true, language, CalendarOf(region)));
    }
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_ExpandDefaultTemplateOneYearInLanguage)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessarine
