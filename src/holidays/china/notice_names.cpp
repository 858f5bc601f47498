#include "holidays/china/notice_names.h"

#include <algorithm>
#include <array>

#include "calendar/plain_text.h"

namespace tessarine {
namespace {

// What may stand before a name: the quotation marks a notice sets around
// “五一” and “十一”, in simplified and traditional typesetting, and spaces.
constexpr std::array<std::string_view, 9> kLeading = {"“", "”", "「", "」", "‘", "’", "\"", "'", " "};

std::string_view WithoutQuotes(std::string_view name) {
  const auto leading = [&name]() -> std::size_t {
    for (const std::string_view mark : kLeading) {
      if (name.starts_with(mark)) return mark.size();
    }
    return 0;
  };
  while (const std::size_t length = leading()) name.remove_prefix(length);
  return name;
}

// “十一” names the National Day holiday (1 October) when it is the name
// itself, not a number in one: 十一月 or 二十一 is no holiday.
bool NamesNationalDay(std::string_view name) {
  constexpr std::string_view kEleven = "十一";
  name = WithoutQuotes(name);
  if (!name.starts_with(kEleven)) return false;
  const std::string_view rest = name.substr(kEleven.size());
  for (const std::string_view number : {"月", "日", "号", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"}) {
    if (rest.starts_with(number)) return false;
  }
  return rest.empty() || !IsAsciiDigit(rest.front());
}

}  // namespace

std::vector<PublicHoliday> NoticeHolidays(std::string_view name) {
  std::vector<PublicHoliday> found = HolidaysNamed(name);
  if (NamesNationalDay(name) && std::find(found.begin(), found.end(), PublicHoliday::NationalDay) == found.end()) {
    found.push_back(PublicHoliday::NationalDay);
  }
  return found;
}

}  // namespace tessarine
