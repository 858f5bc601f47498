// A holiday's name in the gazette's traditional Chinese, from the name the
// 1823 feed gives it in any of its three languages (en, tc, sc):
// "The day following Ching Ming Festival", 清明节翌日 and 清明節翌日 are one
// name. The English is matched without regard to case, a leading "the" or
// the apostrophe's shape (the feed has written "Lunar New Year’s Day" both
// ways, and "Birthday of the Buddha" without its article).
#pragma once

#include <string>
#include <string_view>

namespace tessarine::hong_kong {

// The traditional Chinese name; a name not known (a day appointed once, a
// name the gazette has not used before) is kept as the feed writes it.
std::string GazetteName(std::string_view summary);

}  // namespace tessarine::hong_kong
