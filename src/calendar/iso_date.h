// A day written as yyyy-mm-dd, the way every front end, list and message of
// the program writes it.
#pragma once

#include <chrono>
#include <string>

namespace tessarine {

std::string IsoDate(std::chrono::sys_days date);

}  // namespace tessarine
