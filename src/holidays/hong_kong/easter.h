// Easter Sunday in the Gregorian calendar, by the computus: the Sunday
// after the ecclesiastical full moon on or after 21 March. Hong Kong's
// Good Friday, the day following it and Easter Monday hang on it.
#pragma once

#include <chrono>

namespace tessarine::hong_kong {

// Any Gregorian year from 1583 on.
std::chrono::sys_days EasterSunday(int year);

}  // namespace tessarine::hong_kong
