// The user's holiday list as tessarine-cli finds it: holidays.csv in
// $XDG_CONFIG_HOME/Tessarine/ (by default ~/.config/Tessarine/), beside the
// window's anniversary list.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "lists/holiday_list.h"
#include "lists/list_file.h"

namespace tessarine::cli {

// The configuration folder by the XDG rule: $XDG_CONFIG_HOME when it is an
// absolute path (a relative one is ignored), else .config in the home
// folder: $HOME when absolute, else the one the password database gives.
// Nothing when there is no absolute home: a folder relative to where the
// command runs would be a different list in every folder. Any argument may
// be null.
std::optional<std::filesystem::path> ConfigFolder(const char* xdgConfigHome, const char* home, const char* passwdHome);

// holidays.csv in the user's configuration folder; a UsageError when there
// is no home folder to find it in.
std::filesystem::path HolidayListPath();

struct HolidayListFile {
  std::filesystem::path path;
  LoadedList loaded;  // the document, empty when the file does not exist yet
  HolidayList list;
};

// Reads the list; a missing file is an empty list. Throws UsageError, naming
// the file and the line, for a file that cannot be read or holds a bad row:
// nothing is guessed from it, and nothing is saved over it.
HolidayListFile ReadHolidayListFile();

// What is wrong with a bad row, after the row as written: "names a date an
// earlier row of its year names", …
std::string RowErrorText(const HolidayRowError& bad);

// Says on `err` why an import's change of the list at `where` (as printed)
// was not stored: the list could not be written, is no list, or holds
// `badRow`. Returns the exit status: 0 when the change was stored or
// changed nothing, else 1.
int ReportListUpdate(const Result<ListUpdate, ListUpdateError>& update, std::string_view where,
                     const std::optional<HolidayRowError>& badRow, std::ostream& err);

}  // namespace tessarine::cli
