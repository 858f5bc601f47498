#include "cli/holiday_list_file.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/arguments.h"

namespace tessarine::cli {

std::filesystem::path HolidayListPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::filesystem::path folder = config != nullptr && *config != '\0' ? std::filesystem::path(config)
                                 : home != nullptr                     ? std::filesystem::path(home) / ".config"
                                                                       : std::filesystem::path(".config");
  return folder / "Tessarine" / "holidays.csv";
}

HolidayListFile ReadHolidayListFile() {
  HolidayListFile file{HolidayListPath(), {}, {}};
  std::error_code error;
  if (!std::filesystem::exists(file.path, error)) return file;
  std::ifstream in(file.path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || !bytes) throw UsageError("cannot read " + Quoted(file.path.string()));
  auto loaded = LoadList(bytes.str());
  if (const auto* problem = std::get_if<ListProblem>(&loaded)) {
    throw UsageError(file.path.string() + ":" + std::to_string(problem->line) + ": not a holiday list");
  }
  file.loaded = std::move(std::get<LoadedList>(loaded));
  file.list = ReadHolidayList(file.loaded.document);
  if (!file.list.errors.empty()) {
    const HolidayRowError& bad = file.list.errors.front();
    throw UsageError(file.path.string() + ":" + std::to_string(bad.line) + ": " + Quoted(bad.text) +
                     (bad.repeatedDate ? " names a date an earlier row of its year names"
                                       : " is not a row of year, date (yyyy-mm-dd), 休 or 班, and name"));
  }
  return file;
}

}  // namespace tessarine::cli
