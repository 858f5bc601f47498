// One year's whole export, assembled in memory: the file is kept, not written.
#include <benchmark/benchmark.h>

#include "compose/template_engine.h"
#include "export/ical_export.h"

namespace tessarine {
namespace {

class InMemoryPlatform : public ExportPlatform {
 public:
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons) override {
    return MessageAnswer::No;
  }
  void FocusYearBox(YearBox) override {}
  std::chrono::local_seconds Now() override { return std::chrono::local_days{std::chrono::year{2013} / 1 / 6}; }
  std::string ProgramFilePath() override { return "/opt/tessarine/tessarine"; }
  bool WriteFile(const std::string&, std::string_view bytes) override {
    written += bytes.size();
    return true;
  }
  void OpenFileManager(std::string_view) override {}
  void SetPreviewText(std::string_view) override {}
  std::size_t written = 0;
};

void ExportOneYear(benchmark::State& state, bool custom) {
  SummaryOptions options;
  options.bolShowTip = false;
  options.bolDIY = custom;
  options.strDIY = DefaultTemplate;
  LunarCalendar calendar(options);
  InMemoryPlatform platform;
  IcalExport exporter(calendar, platform);
  for (auto _ : state) exporter.ExportYear("2014", "1", "12");
  state.SetBytesProcessed(static_cast<std::int64_t>(platform.written));
}

void BM_ExportYearNormalFormat(benchmark::State& state) { ExportOneYear(state, false); }
void BM_ExportYearDefaultTemplate(benchmark::State& state) { ExportOneYear(state, true); }
BENCHMARK(BM_ExportYearNormalFormat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportYearDefaultTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessarine
