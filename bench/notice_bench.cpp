// Reading a pasted notice grows linearly with its length: a megabyte of
// text inside an item, as a careless copy from a web page gives, reads in
// milliseconds, not seconds. The complexity fit below names the order.
#include <benchmark/benchmark.h>

#include <string>

#include "holidays/china/holiday_notice.h"

namespace tessarine {
namespace {

std::string NoticeOf(std::size_t bytes) {
  std::string text =
      "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假调休日期的具体安排通知如下。\n"
      "一、元旦：1月1日（週五）至3日（週日）放假调休，共3天。";
  const std::string filler = "（週六）國慶，節(jié)假日、；";
  while (text.size() < bytes) text += filler;
  return text + "\n国务院办公厅\n";
}

void BM_ParseNotice(benchmark::State& state) {
  const std::string text = NoticeOf(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ParseHolidayNotice(text));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ParseNotice)->RangeMultiplier(4)->Range(64 << 10, 4 << 20)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace tessarine
