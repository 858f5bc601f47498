// One year's file text, built in memory: the work of the export before the
// bytes reach the disk.
#include <benchmark/benchmark.h>

#include "compose/template_engine.h"
#include "compose/title_format.h"
#include "export/year_calendar.h"

namespace tessarine {
namespace {

void BuildOneYear(benchmark::State& state, const TitleFormat& format) {
  const auto moment = std::chrono::local_days{std::chrono::year{2013} / 1 / 6};
  const TitleFunction titleOf = [&format](std::chrono::sys_days date) { return TitleOf(date, format); };
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string file = YearCalendarFile(std::chrono::year{2014}, titleOf, moment);
    bytes += file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_YearFileNormalFormat(benchmark::State& state) { BuildOneYear(state, {}); }
void BM_YearFileDefaultTemplate(benchmark::State& state) {
  BuildOneYear(state, {MonthNaming::WinterAndLast, TemplateFormat{std::string(DefaultTemplate), true}});
}
BENCHMARK(BM_YearFileNormalFormat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearFileDefaultTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessarine
