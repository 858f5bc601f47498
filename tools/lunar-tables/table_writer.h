// Writes computed tables as the C++ header the calendar compiles in.
#pragma once

#include <string>

#include "compute_tables.h"

namespace tessarine::tables {

// The whole text of src/calendar/lunar_tables.h.
std::string TablesHeader(const ComputedTables& tables);

}  // namespace tessarine::tables
