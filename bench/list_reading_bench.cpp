// Reading a list of ten thousand anniversaries written in each language the
// program writes dates in (三月初八, 3월 8일, Mùng 8 tháng Ba): what the
// window pays to open the list, and to parse it again on a load.
#include <benchmark/benchmark.h>

#include "calendar/lunar_names.h"
#include "lists/anniversary_list.h"

namespace tessarine {
namespace {

std::string TenThousandRows(Language language) {
  std::string list;
  for (int i = 0; i < 10000; ++i) {
    const LunarDate date{2026, static_cast<unsigned>(i % 12 + 1), static_cast<unsigned>(i / 12 % 30 + 1), false};
    list.append("人").append(std::to_string(i)).append(",");
    list.append(MonthAndDayName(date, MonthNaming::WinterAndLast, language)).append("\n");
  }
  return list;
}

void BM_ReadTenThousandRows(benchmark::State& state) {
  const auto language = static_cast<Language>(state.range(0));
  const std::string list = TenThousandRows(language);
  for (auto _ : state) {
    const auto read = ReadAnniversaryList(list);
    if (!read || read->entries.size() != 10000) state.SkipWithError("the list did not read back");
    benchmark::DoNotOptimize(read->entries.data());
  }
  state.SetLabel(std::string(LanguageTag(language)));
}
BENCHMARK(BM_ReadTenThousandRows)
    ->Arg(static_cast<int>(Language::ZhHans))
    ->Arg(static_cast<int>(Language::Korean))
    ->Arg(static_cast<int>(Language::Vietnamese))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessarine
