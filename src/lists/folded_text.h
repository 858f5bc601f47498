// A word of a hand-kept list as it is compared: the calendar's name, a
// header, a lunar date. People write "Korean", "KOREAN" and "korean", "Việt
// Nam" and "VIỆT NAM", "3월 8일" and "3월8일" for the same thing, so words are
// compared in lower case with their blanks left out.
#pragma once

#include <string>
#include <string_view>

namespace tessarine {

// `text` in lower case, without blanks, tabs and full-width spaces. Lowers
// the Latin capitals Vietnamese is written in (A-Z, À-Ý, Ă, Đ, Ĩ, Ũ, Ơ, Ư
// and Ạ-Ỹ, all precomposed); every other character is kept as it is, so
// Chinese and Korean text only loses its blanks.
std::string FoldedWord(std::string_view text);

}  // namespace tessarine
