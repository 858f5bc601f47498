// A lunar month and day as Korean, Vietnamese and English write it, in the
// numbers the entry parser reads: 3월 8일, 음 3.8 and 3.8 as 3-8, 윤3월 3일
// as 闰3-3, rằm tháng Giêng as 1-15, 15 tháng 3 nhuận as 闰3-15, leap 3-15
// as 闰3-15. The month and day names are the vocabulary's, so whatever the
// program writes in these languages (3월 15일, 윤3.15, Mùng 3 tháng Giêng,
// 23 tháng Chạp, Rằm tháng Tư nhuận) is read back. The Chinese forms are
// date_spelling's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessarine {

// A year written into the date: a Gregorian day in words (1960년 4월 3일,
// 1960. 4. 3., ngày 3 tháng 4 năm 1960) or a lunar date with its year (음력
// 1960년 3월 8일, 29 tháng Chạp năm Ất Tỵ).
enum class YearInDate { None, GregorianDay, LunarYear };

struct NumberedDate {
  std::string numbers;  // 3-8 or 闰3-15; the month and day as written, checked by the parser
  YearInDate year = YearInDate::None;
};

// The date `folded` (as FoldedWord leaves it: lower case, no blanks, ASCII
// digits) writes in one of these languages, or nothing when it is none of
// their forms.
std::optional<NumberedDate> NumberedLunarDate(std::string_view folded);

}  // namespace tessarine
