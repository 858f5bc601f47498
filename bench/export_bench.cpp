// One year's file text, and the whole batch, built in memory: the work of
// the export before the bytes reach the disk.
#include <benchmark/benchmark.h>

#include <time.h>

#include "compose/template_engine.h"
#include "compose/title_format.h"
#include "export/generate.h"
#include "export/ical_writer.h"
#include "export/year_calendar.h"

namespace tessarine {
namespace {

// Processor time of the whole process, every thread counted.
double ProcessSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One year's file as a batch makes it, without the batch: the year's events,
// then their text in a new string.
std::string YearFile(std::chrono::year year, const TitleFunction& titleOf, std::chrono::local_seconds moment) {
  std::vector<DayEvent> events;
  AppendYearEvents(events, year, titleOf, LunarCalendar::China, Region::China);
  std::string text;
  WriteIcal(text, YearCalendarName(year), events, moment);
  return text;
}

void BuildOneYear(benchmark::State& state, const TitleFormat& format) {
  const auto moment = std::chrono::local_days{std::chrono::year{2013} / 1 / 6};
  const TitleFunction titleOf = [&format](const DayInfo& day) { return TitleOf(day, format); };
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string file = YearFile(std::chrono::year{2014}, titleOf, moment);
    bytes += file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_YearFileNormalFormat(benchmark::State& state) { BuildOneYear(state, {}); }
void BM_YearFileDefaultTemplate(benchmark::State& state) {
  BuildOneYear(state, {MonthNaming::WinterAndLast, TemplateFormat{std::string(DefaultTemplate), true}});
}
// The whole pipeline over every year, 1901-2100, with the writing step
// discarding the bytes: the batch's own cost.
void GenerateAllYears(benchmark::State& state, FileNaming naming, TitleFormat format = {}, bool describe = false) {
  const auto moment = std::chrono::local_days{std::chrono::year{2013} / 1 / 6};
  GenerateOptions options;
  std::size_t bytes = 0;
  options.write = [&bytes](const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
    for (std::string_view piece = text(); !piece.empty(); piece = text()) bytes += piece.size();
    return WrittenFile{folder / std::string(name), {}};
  };
  std::chrono::steady_clock::duration spent{};
  double cpuSpent = 0;  // seconds of both threads
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessSeconds();
    const Generation done =
        Generate(YearFilesRequest{YearRange::All(), format, {}, naming, describe}, "/dev/null", moment, options);
    spent += std::chrono::steady_clock::now() - start;
    cpuSpent += ProcessSeconds() - cpuStart;
    benchmark::DoNotOptimize(done.files.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  // A day's share of the time taken, against which an anniversary's event
  // is measured.
  const auto days = static_cast<double>((YearRange::All().lastDay() - YearRange::All().firstDay()).count() + 1);
  state.counters["ns_per_day"] = std::chrono::duration<double, std::nano>(spent).count() /
                                 static_cast<double>(state.iterations()) / days;
  // The same in processor time: the year files use both cores.
  state.counters["cpu_ns_per_day"] = cpuSpent * 1e9 / static_cast<double>(state.iterations()) / days;
}
// A file a year, buffers reused from year to year.
void BM_GenerateAllYearsNormalFormat(benchmark::State& state) { GenerateAllYears(state, {}); }
// Every year in one file: the event list grows over 200 years and must not
// be copied again for each of them.
void BM_GenerateAllYearsOneFile(benchmark::State& state) { GenerateAllYears(state, {true, false}); }
// The almanac's options on: phases and 三伏/数九 in the titles, and every
// day's full description. Off, they cost nothing (the two above).
void BM_GenerateAllYearsWithAlmanac(benchmark::State& state) {
  NormalFormat normal;
  normal.withMoonPhases = normal.withSeasonCounts = true;
  GenerateAllYears(state, {}, {MonthNaming::WinterAndLast, normal}, true);
}

BENCHMARK(BM_YearFileNormalFormat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearFileDefaultTemplate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateAllYearsNormalFormat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateAllYearsOneFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateAllYearsWithAlmanac)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessarine
