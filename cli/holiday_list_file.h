// The user's holiday list as tessarine-cli finds it: holidays.csv in
// $XDG_CONFIG_HOME/Tessarine/ (by default ~/.config/Tessarine/), beside the
// window's anniversary list.
#pragma once

#include <filesystem>

#include "lists/holiday_list.h"

namespace tessarine::cli {

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

}  // namespace tessarine::cli
