// The reason the last system call failed, as the error every writer
// returns: errno in the system's category, so that the front ends word it
// from the system's own reasons.
#pragma once

#include <cerrno>
#include <system_error>

namespace tessarine {

inline std::error_code LastError() { return {errno, std::system_category()}; }

}  // namespace tessarine
