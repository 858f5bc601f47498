#include "cli/holiday_list_file.h"

#include <cstdlib>

#include "cli/arguments.h"
#include "lists/list_file.h"

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
  auto read = ReadListBytes(file.path);
  if (const auto* error = std::get_if<std::error_code>(&read)) {
    throw UsageError("cannot read " + Quoted(file.path.string()) + ": " + error->message());
  }
  const std::optional<std::string>& bytes = std::get<std::optional<std::string>>(read);
  if (!bytes) return file;
  auto loaded = LoadList(*bytes);
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
