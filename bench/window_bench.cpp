// The window with a long anniversary list, as a family tree or a temple's
// list of memorial days makes it: the window opened on it, a month page
// turned, a new year reached, a row edited; and the memory the window holds.
// Runs offscreen unless told otherwise; the list lives in tmpfs when there
// is one, so that the disk's syncing is not what is timed.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ui/main_window.h"

namespace tessarine {
namespace {

// A list of `count` entries written every way people write them: lunar
// dates in words and in numbers, Gregorian days of birth, some with a first year.
std::string ListOf(int count) {
  static constexpr const char* kMonths[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                            "七月", "八月", "九月", "十月", "冬月", "腊月"};
  static constexpr const char* kDays[] = {"初一", "初五", "初八", "十五", "廿三", "三十", "十二"};
  std::string list;
  for (int i = 0; i < count; ++i) {
    list.append("族人").append(std::to_string(i)).append("忌日,");
    switch (i % 3) {
      case 0: list.append(kMonths[i % 12]).append(kDays[i / 12 % 7]); break;
      case 1: list.append(std::to_string(i % 12 + 1)).append("-").append(std::to_string(i / 12 % 30 + 1)); break;
      default: list.append(std::to_string(1930 + i % 90)).append("-0").append(std::to_string(i % 9 + 1)).append("-1").append(std::to_string(i % 9));
    }
    if (i % 2 == 0) list.append(",").append(std::to_string(1900 + i % 120));
    list.append("\n");
  }
  return list;
}

// The process's resident memory now, in MB.
double ResidentMb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

// A configuration folder holding the list, removed afterwards.
class ListFolder {
 public:
  explicit ListFolder(int entries) {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tessarine-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::ofstream(path_ / "anniversaries.csv") << ListOf(entries);
  }
  ~ListFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  QString listFile() const { return QString::fromStdString((path_ / "anniversaries.csv").string()); }

 private:
  std::filesystem::path path_;
};

std::unique_ptr<MainWindow> OpenWindow(const ListFolder& folder) {
  DesktopServices services = DesktopServices::System();
  services.now = [] { return QDateTime(QDate(2026, 12, 10), QTime(9, 0)); };
  services.anniversaryListFile = [file = folder.listFile()] { return file; };
  services.showMessage = [](QWidget*, const QString&, const QString&, QMessageBox::Icon, QMessageBox::StandardButtons) {
    return QMessageBox::Ok;
  };
  auto window = std::make_unique<MainWindow>(std::move(services));
  window->show();
  QApplication::processEvents();  // laid out and painted
  return window;
}

// Opening the window on the list, until it is painted.
void BM_WindowStart(benchmark::State& state) {
  const ListFolder folder(static_cast<int>(state.range(0)));
  double resident = 0;
  for (auto _ : state) {
    auto window = OpenWindow(folder);
    state.PauseTiming();
    resident = ResidentMb();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["rss_mb"] = resident;  // the whole process with the window open
}
BENCHMARK(BM_WindowStart)->Arg(0)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A month page turned within a year, forth and back, until painted.
void BM_MonthPageTurn(benchmark::State& state) {
  const ListFolder folder(static_cast<int>(state.range(0)));
  auto window = OpenWindow(folder);
  auto* next = window->findChild<QToolButton*>("nextMonthButton");
  auto* previous = window->findChild<QToolButton*>("previousMonthButton");
  previous->click();  // November and December 2026, both years' days at hand
  bool forth = true;
  for (auto _ : state) {
    (forth ? next : previous)->click();
    QApplication::processEvents();
    forth = !forth;
  }
}
BENCHMARK(BM_MonthPageTurn)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A year not shown before: its anniversaries are worked out on the turn.
void BM_NewYearTurn(benchmark::State& state) {
  const ListFolder folder(static_cast<int>(state.range(0)));
  auto window = OpenWindow(folder);
  auto* next = window->findChild<QToolButton*>("nextYearButton");
  auto* today = window->findChild<QToolButton*>("todayButton");
  int turns = 0;
  for (auto _ : state) {
    if (++turns == 60) {  // back to 2026 before the described years end
      state.PauseTiming();
      today->click();
      turns = 0;
      QApplication::processEvents();
      state.ResumeTiming();
    }
    next->click();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_NewYearTurn)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A first year typed into a row, checked, saved and shown in the month view;
// and the memory each edit keeps for Ctrl+Z.
void BM_EditARow(benchmark::State& state) {
  const ListFolder folder(static_cast<int>(state.range(0)));
  auto window = OpenWindow(folder);
  QAbstractItemModel* rows = window->findChild<QTableView*>("entriesTable")->model();
  const QModelIndex firstYear = rows->index(1, 2);
  bool even = true;
  const auto edit = [&] {
    rows->setData(firstYear, even ? "1950" : "1951");
    QApplication::processEvents();
    even = !even;
  };
  // What a hundred edits leave behind, for Ctrl+Z and otherwise.
  constexpr int kEdits = 100;
  const double before = ResidentMb();
  for (int i = 0; i < kEdits; ++i) edit();
  state.counters["rss_kb_per_edit"] = (ResidentMb() - before) * 1024.0 / kEdits;
  for (auto _ : state) edit();
}
BENCHMARK(BM_EditARow)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessarine

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
