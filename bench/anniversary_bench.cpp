// Ten thousand anniversaries over 1901-2100 through the whole pipeline, the
// bytes counted and dropped: the cost of an event against a year file's day,
// and the peak memory, which must not grow with the list or the range.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "export/generate.h"
#include "lists/anniversary_list.h"

namespace tessarine {
namespace {

std::vector<Anniversary> TenThousandEntries() {
  static constexpr const char* kMonths[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                            "七月", "八月", "九月", "十月", "冬月", "腊月"};
  static constexpr const char* kDays[] = {"初一", "初五", "初八", "十五", "廿三", "三十"};
  std::string list;
  for (int i = 0; i < 10000; ++i) {
    list.append("人").append(std::to_string(i)).append(",").append(kMonths[i % 12]).append(kDays[i / 12 % 6]);
    if (i % 3 == 0) list.append(",").append(std::to_string(1901 + i % 150));
    list.append("\n");
  }
  return ReadAnniversaryList(list).value().entries;
}

void BM_TenThousandAnniversaries(benchmark::State& state) {
  const std::vector<Anniversary> entries = TenThousandEntries();
  const auto moment = std::chrono::local_days{std::chrono::year{2026} / 12 / 9};
  const AnniversariesRequest request{entries, YearRange::All(), std::nullopt, ReminderStyle::Alarm, {}, Language::ZhHans};
  // The events are counted in a run of their own: the timed runs only take
  // the bytes, as the year files' benchmark does.
  GenerateOptions counting;
  std::uint64_t events = 0;
  counting.write = [&](const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
    for (std::string_view piece = text(); !piece.empty(); piece = text()) {
      for (std::size_t at = piece.find("BEGIN:VEVENT"); at != std::string_view::npos; at = piece.find("BEGIN:VEVENT", at + 1)) {
        ++events;
      }
    }
    return WrittenFile{folder / std::string(name), {}};
  };
  Generate(request, "/dev/null", moment, counting);
  GenerateOptions options;
  std::uint64_t bytes = 0;
  options.write = [&](const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
    for (std::string_view piece = text(); !piece.empty(); piece = text()) bytes += piece.size();
    return WrittenFile{folder / std::string(name), {}};
  };
  std::chrono::steady_clock::duration spent{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const Generation done = Generate(request, "/dev/null", moment, options);
    spent += std::chrono::steady_clock::now() - start;
    benchmark::DoNotOptimize(done.files.data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["events"] = static_cast<double>(events);
  state.counters["ns_per_event"] =
      std::chrono::duration<double, std::nano>(spent).count() / static_cast<double>(state.iterations()) /
      static_cast<double>(events);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

// Three runs: one alone is at the mercy of whatever else the machine does.
BENCHMARK(BM_TenThousandAnniversaries)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
}  // namespace tessarine
