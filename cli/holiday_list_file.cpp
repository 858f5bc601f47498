#include "cli/holiday_list_file.h"

#include <fmt/format.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "cli/arguments.h"
#include "cli/list_read.h"

namespace tessarine::cli {
namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

// The home folder the password database gives the user, or nothing.
std::optional<std::string> PasswdHome() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < (1u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  if (found == nullptr || found->pw_dir == nullptr) return std::nullopt;
  return std::string(found->pw_dir);
}

}  // namespace

std::optional<std::filesystem::path> ConfigFolder(const char* xdgConfigHome, const char* home, const char* passwdHome) {
  if (IsAbsolute(xdgConfigHome)) return std::filesystem::path(xdgConfigHome);
  if (IsAbsolute(home)) return std::filesystem::path(home) / ".config";
  if (IsAbsolute(passwdHome)) return std::filesystem::path(passwdHome) / ".config";
  return std::nullopt;
}

std::filesystem::path HolidayListPath() {
  const char* home = std::getenv("HOME");
  // The database is asked only when HOME does not answer.
  const std::optional<std::string> passwdHome = IsAbsolute(home) ? std::nullopt : PasswdHome();
  const auto folder = ConfigFolder(std::getenv("XDG_CONFIG_HOME"), home, passwdHome ? passwdHome->c_str() : nullptr);
  if (!folder) {
    throw UsageError(
        "no home folder to keep holidays.csv in: HOME is not set to an absolute path and the user has none in the "
        "password database; set XDG_CONFIG_HOME or HOME");
  }
  return *folder / "Tessarine" / "holidays.csv";
}

std::string RowErrorText(const HolidayRowError& bad) {
  if (bad.repeatedDate) return "names a date an earlier row of its year names";
  switch (bad.outside) {
    case HolidayRowError::Outside::Year:
      return fmt::format("has a year outside {}-{}", static_cast<int>(YearRange::First),
                         static_cast<int>(YearRange::Last));
    case HolidayRowError::Outside::Date:
      return "has a date outside its year (only a 元旦 block may begin in the December before)";
    case HolidayRowError::Outside::Nothing: break;
  }
  switch (bad.region) {
    case HolidayRowError::RegionFault::Unknown: return "names a region other than cn, tw, hk, kr and vn";
    case HolidayRowError::RegionFault::NoWorkdays: return "is a 班 of a region that has no make-up workdays (kr, hk)";
    case HolidayRowError::RegionFault::Nothing: break;
  }
  return "is not a row of year, date (yyyy-mm-dd), 休 or 班, and name";
}

HolidayListFile ReadHolidayListFile() {
  HolidayListFile file{HolidayListPath(), {}, {}};
  const std::optional<std::string> bytes = ReadCommandList(file.path, "a holiday list");
  if (!bytes) return file;
  auto loaded = LoadList(*bytes);
  if (!loaded) throw UsageError(file.path.string() + ":" + std::to_string(loaded.error().line) + ": not a holiday list");
  file.loaded = std::move(*loaded);
  file.list = ReadHolidayList(file.loaded.document);
  if (!file.list.errors.empty()) {
    const HolidayRowError& bad = file.list.errors.front();
    throw UsageError(file.path.string() + ":" + std::to_string(bad.line) + ": " + Quoted(bad.text) + " " +
                     RowErrorText(bad));
  }
  return file;
}

int ReportListUpdate(const Result<ListUpdate, ListUpdateError>& update, std::string_view where,
                     const std::optional<HolidayRowError>& badRow, std::ostream& err) {
  constexpr std::string_view kPrefix = "tessarine-cli holidays: ";
  if (!update) {
    const ListUpdateError& failed = update.error();
    if (failed.kind == ListUpdateError::Kind::NotAList) {
      err << kPrefix << where << ":" << failed.problem.line << ": not a holiday list\n";
    } else {
      err << kPrefix << "cannot write " << where << ": " << failed.error.message() << "\n";
    }
    return 1;
  }
  if (update->outcome == LockedUpdate::Outcome::Refused && badRow) {
    err << kPrefix << where << ":" << badRow->line << ": " << Quoted(badRow->text) << " " << RowErrorText(*badRow)
        << ": nothing stored\n";
    return 1;
  }
  return 0;
}

}  // namespace tessarine::cli
